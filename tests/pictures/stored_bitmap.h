// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "four_bit_picture.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace pabrel::testing {

// A 4-bit BMP file taken apart field by field, without help from any image library.
struct StoredBitmap : FourBitPicture
{
    std::size_t fileSize = 0;
    std::uint8_t signature0 = 0;
    std::uint8_t signature1 = 0;
    std::uint32_t declaredFileSize = 0;
    std::uint16_t reserved1 = 0;
    std::uint16_t reserved2 = 0;
    std::uint32_t pixelOffset = 0;
    static StoredBitmap parse(const std::vector<std::uint8_t>& bytes);
    static StoredBitmap load(const std::filesystem::path& path);
};

} // namespace pabrel::testing

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "four_bit_picture.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace pabrel::testing {

// An ICO file with its first image taken apart field by field.
struct StoredIcon : FourBitPicture
{
    std::size_t fileSize = 0;
    std::uint16_t reserved = 0;
    std::uint16_t type = 0;
    std::uint16_t imageCount = 0;
    std::uint8_t entryWidth = 0;
    std::uint8_t entryHeight = 0;
    std::uint8_t entryColourCount = 0;
    std::uint8_t entryReserved = 0;
    std::uint16_t entryPlanes = 0;
    std::uint16_t entryBitCount = 0;
    std::uint32_t entryBytes = 0;
    std::uint32_t entryOffset = 0;
    // The AND mask as stored, one bit a pixel, rows padded to 4 bytes.
    std::vector<std::uint8_t> mask;

    static StoredIcon parse(const std::vector<std::uint8_t>& bytes);
    static StoredIcon load(const std::filesystem::path& path);
};

} // namespace pabrel::testing

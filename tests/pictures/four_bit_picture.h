// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bitmap_info.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace pabrel::testing {

// What a BMP file and an ICO file's image both hold: the information header with its
// palette, and 4-bit pixels stored bottom-up in rows padded to 4 bytes.
struct FourBitPicture
{
    BitmapInfo info;
    // Whether every padding bit of every row is zero.
    bool paddingClean = false;
    // Palette indices, rows from the top.
    std::vector<std::vector<std::uint8_t>> rows;

    int width() const { return rows.empty() ? 0 : static_cast<int>(rows.front().size()); }
    int height() const { return static_cast<int>(rows.size()); }
    std::uint8_t at(int x, int y) const;

    // Once `info` is read, reads `height` rows of pixels stored from `pixelOffset`; refuses
    // anything but a 4-bit picture of some size.
    void readPixels(const LittleEndianReader& file, std::size_t pixelOffset, int height);
    // Where the stored rows that start at `pixelOffset` end.
    std::size_t pixelsEnd(std::size_t pixelOffset) const;
};

std::vector<std::uint8_t> readWholeFile(const std::filesystem::path& path);

} // namespace pabrel::testing

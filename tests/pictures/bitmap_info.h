// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "little_endian_reader.h"

#include <array>
#include <cstdint>
#include <vector>

namespace pabrel::testing {

struct PaletteEntry
{
    std::uint8_t blue;
    std::uint8_t green;
    std::uint8_t red;
    std::uint8_t reserved;

    friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

// The 40-byte information header and the palette after it, as stored in both BMP and ICO
// files.
struct BitmapInfo
{
    std::uint32_t headerSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::int32_t xPixelsPerMetre = 0;
    std::int32_t yPixelsPerMetre = 0;
    std::uint32_t coloursUsed = 0;
    std::uint32_t coloursImportant = 0;
    std::vector<PaletteEntry> palette;

    // Reads the header at offset and the 16 palette entries that follow it.
    static BitmapInfo read(const LittleEndianReader& file, std::size_t offset);
    std::size_t paletteEnd(std::size_t offset) const { return offset + headerSize + 64; }
};

// Bytes in one stored row of pixels at the given depth, padded to 4 bytes.
std::size_t storedRowSize(int width, int bitsPerPixel);

} // namespace pabrel::testing

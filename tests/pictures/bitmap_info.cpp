// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bitmap_info.h"

namespace pabrel::testing {

BitmapInfo BitmapInfo::read(const LittleEndianReader& file, std::size_t offset)
{
    BitmapInfo info;
    info.headerSize = file.u32(offset);
    info.width = file.i32(offset + 4);
    info.height = file.i32(offset + 8);
    info.planes = file.u16(offset + 12);
    info.bitCount = file.u16(offset + 14);
    info.compression = file.u32(offset + 16);
    info.imageSize = file.u32(offset + 20);
    info.xPixelsPerMetre = file.i32(offset + 24);
    info.yPixelsPerMetre = file.i32(offset + 28);
    info.coloursUsed = file.u32(offset + 32);
    info.coloursImportant = file.u32(offset + 36);
    const std::size_t paletteStart = offset + info.headerSize;
    for (std::size_t i = 0; i < 16; ++i) {
        const std::size_t entry = paletteStart + 4 * i;
        info.palette.push_back(
            {file.u8(entry), file.u8(entry + 1), file.u8(entry + 2), file.u8(entry + 3)});
    }
    return info;
}

std::size_t storedRowSize(int width, int bitsPerPixel)
{
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32 * 4;
}

} // namespace pabrel::testing

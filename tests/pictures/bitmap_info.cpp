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

std::vector<std::vector<std::uint8_t>> readFourBitRows(const LittleEndianReader& file,
                                                       std::size_t offset, int width, int height,
                                                       bool& paddingClean)
{
    const std::size_t rowSize = storedRowSize(width, 4);
    const auto usedBytes = static_cast<std::size_t>(width + 1) / 2;
    std::vector<std::vector<std::uint8_t>> rows(static_cast<std::size_t>(height));
    paddingClean = true;
    for (int stored = 0; stored < height; ++stored) {
        const std::size_t start = offset + static_cast<std::size_t>(stored) * rowSize;
        auto& row = rows[static_cast<std::size_t>(height - 1 - stored)];
        for (int x = 0; x < width; ++x) {
            const std::uint8_t byte = file.u8(start + static_cast<std::size_t>(x / 2));
            row.push_back(x % 2 == 0 ? byte >> 4 : byte & 0x0F);
        }
        if (width % 2 == 1 && (file.u8(start + usedBytes - 1) & 0x0F) != 0) {
            paddingClean = false;
        }
        for (std::size_t pad = usedBytes; pad < rowSize; ++pad) {
            paddingClean = paddingClean && file.u8(start + pad) == 0;
        }
    }
    return rows;
}

} // namespace pabrel::testing

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stored_pictures.h"

#include <algorithm>
#include <fstream>
#include <iterator>

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

std::uint8_t FourBitPicture::at(int x, int y) const
{
    return rows.at(static_cast<std::size_t>(y)).at(static_cast<std::size_t>(x));
}

void FourBitPicture::readPixels(const LittleEndianReader& file, std::size_t pixelOffset, int height)
{
    if (info.bitCount != 4 || info.width <= 0 || height <= 0) {
        throw std::runtime_error("not a bottom-up 4-bit picture");
    }
    const int width = info.width;
    const std::size_t rowSize = storedRowSize(width, 4);
    const auto usedBytes = static_cast<std::size_t>(width + 1) / 2;
    rows.assign(static_cast<std::size_t>(height), {});
    paddingClean = true;
    for (int stored = 0; stored < height; ++stored) {
        const std::size_t start = pixelOffset + static_cast<std::size_t>(stored) * rowSize;
        auto& row = rows.at(static_cast<std::size_t>(height - 1 - stored));
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
}

std::size_t FourBitPicture::pixelsEnd(std::size_t pixelOffset) const
{
    return pixelOffset + storedRowSize(width(), 4) * rows.size();
}

std::vector<std::uint8_t> readWholeFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path.string());
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

constexpr std::size_t FileHeaderSize = 14;

StoredBitmap StoredBitmap::parse(const std::vector<std::uint8_t>& bytes)
{
    const LittleEndianReader file(bytes);
    StoredBitmap bitmap;
    bitmap.fileSize = bytes.size();
    bitmap.signature0 = file.u8(0);
    bitmap.signature1 = file.u8(1);
    bitmap.declaredFileSize = file.u32(2);
    bitmap.reserved1 = file.u16(6);
    bitmap.reserved2 = file.u16(8);
    bitmap.pixelOffset = file.u32(10);
    bitmap.info = BitmapInfo::read(file, FileHeaderSize);
    bitmap.readPixels(file, bitmap.pixelOffset, bitmap.info.height);
    return bitmap;
}

StoredBitmap StoredBitmap::load(const std::filesystem::path& path)
{
    return parse(readWholeFile(path));
}

constexpr std::size_t DirectorySize = 6;

StoredIcon StoredIcon::parse(const std::vector<std::uint8_t>& bytes)
{
    const LittleEndianReader file(bytes);
    StoredIcon icon;
    icon.fileSize = bytes.size();
    icon.reserved = file.u16(0);
    icon.type = file.u16(2);
    icon.imageCount = file.u16(4);
    icon.entryWidth = file.u8(DirectorySize);
    icon.entryHeight = file.u8(DirectorySize + 1);
    icon.entryColourCount = file.u8(DirectorySize + 2);
    icon.entryReserved = file.u8(DirectorySize + 3);
    icon.entryPlanes = file.u16(DirectorySize + 4);
    icon.entryBitCount = file.u16(DirectorySize + 6);
    icon.entryBytes = file.u32(DirectorySize + 8);
    icon.entryOffset = file.u32(DirectorySize + 12);
    icon.info = BitmapInfo::read(file, icon.entryOffset);
    // The stored height counts the colour rows and the mask's.
    const std::size_t pixels = icon.info.paletteEnd(icon.entryOffset);
    icon.readPixels(file, pixels, icon.info.height / 2);
    const std::size_t maskStart = icon.pixelsEnd(pixels);
    for (std::size_t i = maskStart; i < file.size(); ++i) {
        icon.mask.push_back(file.u8(i));
    }
    return icon;
}

StoredIcon StoredIcon::load(const std::filesystem::path& path)
{
    return parse(readWholeFile(path));
}

namespace {

bool rowHasInk(const FourBitPicture& card, int y, std::uint8_t ground)
{
    for (int x = 0; x < card.width(); ++x) {
        if (card.at(x, y) != ground) {
            return true;
        }
    }
    return false;
}

InkLine measure(const FourBitPicture& card, int top, int bottom, std::uint8_t ground)
{
    InkLine line{card.width(), top, -1, bottom, {}};
    for (int y = top; y <= bottom; ++y) {
        for (int x = 0; x < card.width(); ++x) {
            if (card.at(x, y) != ground) {
                line.left = std::min(line.left, x);
                line.right = std::max(line.right, x);
                line.colours.insert(card.at(x, y));
            }
        }
    }
    return line;
}

} // namespace

std::vector<InkLine> findInkLines(const FourBitPicture& card, std::uint8_t ground)
{
    std::vector<InkLine> lines;
    int y = 0;
    while (y < card.height()) {
        if (!rowHasInk(card, y, ground)) {
            ++y;
            continue;
        }
        const int top = y;
        while (y < card.height() && rowHasInk(card, y, ground)) {
            ++y;
        }
        lines.push_back(measure(card, top, y - 1, ground));
    }
    return lines;
}

} // namespace pabrel::testing

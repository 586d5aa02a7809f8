// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bitmap_encoding.h"

#include "palette.h"

#include <stdexcept>

namespace pabrel::art {
namespace {

constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t PaletteSize = 4 * StandardPalette.size();
constexpr std::uint32_t IconDirectorySize = 6 + 16;
constexpr int MaximumIconSide = 256;

class LittleEndianBytes
{
public:
    void u8(std::uint8_t value) { bytes_.push_back(value); }
    void u16(std::uint16_t value)
    {
        u8(static_cast<std::uint8_t>(value));
        u8(static_cast<std::uint8_t>(value >> 8));
    }
    void u32(std::uint32_t value)
    {
        u16(static_cast<std::uint16_t>(value));
        u16(static_cast<std::uint16_t>(value >> 16));
    }
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

std::uint32_t paddedRowSize(int width, int bitsPerPixel)
{
    const auto bits = static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bitsPerPixel);
    return (bits + 31) / 32 * 4;
}

std::uint32_t pixelDataSize(const IndexedImage& image)
{
    return paddedRowSize(image.width(), 4) * static_cast<std::uint32_t>(image.height());
}

std::uint32_t andMaskSize(const IndexedImage& image)
{
    return paddedRowSize(image.width(), 1) * static_cast<std::uint32_t>(image.height());
}

// The header height of an icon image counts the pixel rows and the mask rows together.
void writeInfoHeader(LittleEndianBytes& out, const IndexedImage& image, std::int32_t height,
                     std::uint32_t imageSize, std::int32_t pixelsPerMetre)
{
    out.u32(InfoHeaderSize);
    out.i32(image.width());
    out.i32(height);
    out.u16(1);
    out.u16(4);
    out.u32(0);
    out.u32(imageSize);
    out.i32(pixelsPerMetre);
    out.i32(pixelsPerMetre);
    out.u32(StandardPalette.size());
    out.u32(0);
}

void writePalette(LittleEndianBytes& out)
{
    for (const Rgb& colour : StandardPalette) {
        out.u8(colour.blue);
        out.u8(colour.green);
        out.u8(colour.red);
        out.u8(0);
    }
}

// Two pixels to a byte, the left one in the high nibble; the last row of the file is the
// top row of the picture.
void writePixels(LittleEndianBytes& out, const IndexedImage& image)
{
    const std::uint32_t rowSize = paddedRowSize(image.width(), 4);
    for (int y = image.height() - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < image.width(); x += 2) {
            const int right = x + 1 < image.width() ? image.at(x + 1, y) : 0;
            out.u8(static_cast<std::uint8_t>((image.at(x, y) << 4) | right));
            ++written;
        }
        for (; written < rowSize; ++written) {
            out.u8(0);
        }
    }
}

void writeEmptyMask(LittleEndianBytes& out, const IndexedImage& image)
{
    for (std::uint32_t i = 0; i < andMaskSize(image); ++i) {
        out.u8(0);
    }
}

} // namespace

std::vector<std::uint8_t> encodeBmp(const IndexedImage& image)
{
    const std::uint32_t pixelOffset = FileHeaderSize + InfoHeaderSize + PaletteSize;
    LittleEndianBytes out;
    out.u8('B');
    out.u8('M');
    out.u32(pixelOffset + pixelDataSize(image));
    out.u16(0);
    out.u16(0);
    out.u32(pixelOffset);
    writeInfoHeader(out, image, image.height(), pixelDataSize(image), PixelsPerMetre);
    writePalette(out);
    writePixels(out, image);
    return out.take();
}

std::vector<std::uint8_t> encodeIco(const IndexedImage& image)
{
    if (image.width() > MaximumIconSide || image.height() > MaximumIconSide) {
        throw std::invalid_argument("an icon image is at most 256 pixels a side");
    }
    const std::uint32_t imageSize = pixelDataSize(image) + andMaskSize(image);
    LittleEndianBytes out;
    out.u16(0);
    out.u16(1);
    out.u16(1);
    // A side of 256 is written as 0 in the one-byte fields of the directory.
    out.u8(static_cast<std::uint8_t>(image.width() % MaximumIconSide));
    out.u8(static_cast<std::uint8_t>(image.height() % MaximumIconSide));
    out.u8(static_cast<std::uint8_t>(StandardPalette.size()));
    out.u8(0);
    out.u16(1);
    out.u16(4);
    out.u32(InfoHeaderSize + PaletteSize + imageSize);
    out.u32(IconDirectorySize);
    writeInfoHeader(out, image, 2 * image.height(), imageSize, 0);
    writePalette(out);
    writePixels(out, image);
    writeEmptyMask(out, image);
    return out.take();
}

} // namespace pabrel::art

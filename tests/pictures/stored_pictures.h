// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>
#include <set>
#include <stdexcept>
#include <vector>

// The committed pictures taken apart field by field, without help from any image library.
namespace pabrel::testing {

// Reads the fields of a file image by offset, refusing to read past its end.
class LittleEndianReader
{
public:
    explicit LittleEndianReader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    std::size_t size() const { return bytes_.size(); }
    std::uint8_t u8(std::size_t offset) const
    {
        if (offset >= bytes_.size()) {
            throw std::out_of_range("read past the end of the file");
        }
        return bytes_[offset];
    }
    std::uint16_t u16(std::size_t offset) const
    {
        return static_cast<std::uint16_t>(u8(offset) | (u8(offset + 1) << 8));
    }
    std::uint32_t u32(std::size_t offset) const
    {
        return u16(offset) | (static_cast<std::uint32_t>(u16(offset + 2)) << 16);
    }
    std::int32_t i32(std::size_t offset) const { return static_cast<std::int32_t>(u32(offset)); }

private:
    const std::vector<std::uint8_t>& bytes_;
};

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

// A 4-bit BMP file.
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

// A band of consecutive rows holding lettering, with the box of its ink and its colours.
struct InkLine
{
    int left;
    int top;
    int right;
    int bottom;
    std::set<std::uint8_t> colours;

    int height() const { return bottom - top + 1; }
};

// The lines of lettering on a card: every run of rows that holds a pixel other than the
// ground, top to bottom.
std::vector<InkLine> findInkLines(const FourBitPicture& card, std::uint8_t ground);

} // namespace pabrel::testing

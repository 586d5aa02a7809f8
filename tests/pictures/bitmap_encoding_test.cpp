// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bitmap_encoding.h"
#include "picture_files.h"
#include "stored_bitmap.h"
#include "stored_icon.h"

#include <gtest/gtest.h>
#include <vector>

namespace pabrel::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Three columns so that a row needs a padding nibble and then padding bytes; the top row
// is 1 2 3, the bottom row 4 5 15.
art::IndexedImage threeByTwo()
{
    art::IndexedImage image(3, 2, 0);
    const std::uint8_t indices[2][3] = {{1, 2, 3}, {4, 5, 15}};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            image.set(x, y, indices[y][x]);
        }
    }
    return image;
}

Bytes slice(const Bytes& bytes, std::size_t from, std::size_t count)
{
    return {bytes.begin() + static_cast<std::ptrdiff_t>(from),
            bytes.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

void expectStandardPaletteAt(const Bytes& bytes, std::size_t offset)
{
    for (std::size_t i = 0; i < ExpectedPalette.size(); ++i) {
        const PaletteEntry& entry = ExpectedPalette[i];
        EXPECT_EQ(slice(bytes, offset + 4 * i, 4),
                  (Bytes{entry.blue, entry.green, entry.red, entry.reserved}))
            << "palette entry " << i;
    }
}

TEST(BmpEncoding, WritesHeadersPaletteAndPaddedBottomUpRowsByteForByte)
{
    const Bytes bmp = art::encodeBmp(threeByTwo());
    ASSERT_EQ(bmp.size(), 126U);
    const Bytes headers = {
        'B',  'M',  126, 0, 0,    0,    0, 0, 0, 0, 118, 0, 0, 0, // file header
        40,   0,    0,   0, 3,    0,    0, 0, 2, 0, 0,   0, 1, 0,
        4,    0,                              // size, width, height, planes, bits
        0,    0,    0,   0, 8,    0,    0, 0, // no compression, pixel bytes
        0xC4, 0x0E, 0,   0, 0xC4, 0x0E, 0, 0, // 3780 pixels per metre
        16,   0,    0,   0, 0,    0,    0, 0, // 16 colours, all important
    };
    EXPECT_EQ(slice(bmp, 0, 54), headers);
    expectStandardPaletteAt(bmp, 54);
    const Bytes pixels = {0x45, 0xF0, 0, 0, 0x12, 0x30, 0, 0};
    EXPECT_EQ(slice(bmp, 118, 8), pixels);
}

TEST(BmpEncoding, EveryIndexSurvivesTheRoundTripAtEveryWidth)
{
    for (int width = 1; width <= 9; ++width) {
        art::IndexedImage image(width, 3, 0);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < width; ++x) {
                image.set(x, y, static_cast<std::uint8_t>((x * 5 + y * 3) % 16));
            }
        }
        const StoredBitmap stored = StoredBitmap::parse(art::encodeBmp(image));
        ASSERT_EQ(stored.width(), width);
        ASSERT_EQ(stored.height(), 3);
        EXPECT_TRUE(stored.paddingClean) << "width " << width;
        EXPECT_EQ(stored.declaredFileSize, stored.fileSize);
        EXPECT_EQ(stored.info.imageSize, storedRowSize(width, 4) * 3);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < width; ++x) {
                EXPECT_EQ(stored.at(x, y), image.at(x, y))
                    << width << " wide, at " << x << "," << y;
            }
        }
    }
}

TEST(IcoEncoding, WritesOneFourBitImageWithAnEmptyMask)
{
    const Bytes ico = art::encodeIco(threeByTwo());
    ASSERT_EQ(ico.size(), 142U);
    const Bytes directory = {
        0,   0, 1,  0, 1,  0,       // reserved, icon, one image
        3,   2, 16, 0, 1,  0, 4, 0, // 3 x 2, 16 colours, 1 plane, 4 bits
        120, 0, 0,  0, 22, 0, 0, 0, // image bytes, image offset
    };
    EXPECT_EQ(slice(ico, 0, 22), directory);
    const Bytes header = {
        40, 0, 0, 0, 3,  0, 0, 0, 4, 0, 0, 0, 1, 0, 4, 0, // height counts the mask rows too
        0,  0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, // pixels and mask, no resolution
        16, 0, 0, 0, 0,  0, 0, 0,
    };
    EXPECT_EQ(slice(ico, 22, 40), header);
    expectStandardPaletteAt(ico, 62);
    EXPECT_EQ(slice(ico, 126, 8), (Bytes{0x45, 0xF0, 0, 0, 0x12, 0x30, 0, 0}));
    EXPECT_EQ(slice(ico, 134, 8), Bytes(8, 0));
}

TEST(IcoEncoding, SidesUpTo256AreWrittenAndLargerOnesRefused)
{
    const StoredIcon full = StoredIcon::parse(art::encodeIco(art::IndexedImage(256, 256, 15)));
    EXPECT_EQ(full.entryWidth, 0);
    EXPECT_EQ(full.entryHeight, 0);
    EXPECT_EQ(full.info.width, 256);
    EXPECT_EQ(full.info.height, 512);
    EXPECT_THROW(art::encodeIco(art::IndexedImage(257, 16, 15)), std::invalid_argument);
    EXPECT_THROW(art::encodeIco(art::IndexedImage(16, 257, 15)), std::invalid_argument);
}

TEST(IndexedImage, RefusesIndicesBeyondThePaletteAndPixelsOutside)
{
    art::IndexedImage image(4, 3, 15);
    EXPECT_THROW(image.set(0, 0, 16), std::invalid_argument);
    EXPECT_THROW(image.set(4, 0, 1), std::out_of_range);
    EXPECT_THROW(image.set(0, -1, 1), std::out_of_range);
    EXPECT_THROW((void)image.at(0, 3), std::out_of_range);
    EXPECT_THROW(art::IndexedImage(0, 3, 15), std::invalid_argument);
    EXPECT_THROW(art::IndexedImage(3, 3, 16), std::invalid_argument);
}

} // namespace
} // namespace pabrel::testing

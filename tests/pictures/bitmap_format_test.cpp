// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files.h"
#include "stored_bitmap.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace pabrel::testing {
namespace {

struct BitmapFile
{
    std::string name;
    int width;
    int height;
};

void PrintTo(const BitmapFile& file, std::ostream* out)
{
    *out << file.name;
}

class CommittedBitmap : public ::testing::TestWithParam<BitmapFile>
{
};

TEST_P(CommittedBitmap, IsAFourBitBottomUpBmpWithTheStandardPalette)
{
    const BitmapFile& expected = GetParam();
    const StoredBitmap bmp = StoredBitmap::load(assetPath(expected.name));
    const std::size_t pixelBytes = storedRowSize(expected.width, 4) * expected.height;

    EXPECT_EQ(bmp.signature0, 'B');
    EXPECT_EQ(bmp.signature1, 'M');
    EXPECT_EQ(bmp.declaredFileSize, bmp.fileSize);
    EXPECT_EQ(bmp.fileSize, 14 + 40 + 64 + pixelBytes);
    EXPECT_EQ(bmp.reserved1, 0);
    EXPECT_EQ(bmp.reserved2, 0);
    EXPECT_EQ(bmp.pixelOffset, 14U + 40U + 64U);

    const BitmapInfo& info = bmp.info;
    EXPECT_EQ(info.headerSize, 40U);
    EXPECT_EQ(info.width, expected.width);
    EXPECT_EQ(info.height, expected.height) << "positive: rows stored bottom-up";
    EXPECT_EQ(info.planes, 1);
    EXPECT_EQ(info.bitCount, 4);
    EXPECT_EQ(info.compression, 0U);
    EXPECT_EQ(info.imageSize, pixelBytes);
    EXPECT_EQ(info.xPixelsPerMetre, 3780);
    EXPECT_EQ(info.yPixelsPerMetre, 3780);
    EXPECT_EQ(info.coloursUsed, 16U);
    EXPECT_EQ(info.coloursImportant, 0U);
    for (std::size_t i = 0; i < ExpectedPalette.size(); ++i) {
        EXPECT_EQ(info.palette[i], ExpectedPalette[i]) << "palette entry " << i;
    }
    EXPECT_TRUE(bmp.paddingClean);
}

std::vector<BitmapFile> committedBitmaps()
{
    std::vector<BitmapFile> files = {{"background.bmp", 782, 576}};
    for (const CardLanguage& language : CardLanguages) {
        const std::string folder(language.folder);
        for (const std::string_view rules : RulesCardNames) {
            files.push_back({folder + std::string(rules), 618, 255});
        }
        for (int level = 1; level <= 8; ++level) {
            files.push_back({folder + "level" + std::to_string(level) + ".bmp", 618, 255});
        }
    }
    return files;
}

INSTANTIATE_TEST_SUITE_P(Assets, CommittedBitmap, ::testing::ValuesIn(committedBitmaps()),
                         [](const auto& info) { return testNameOf(info.param.name); });

} // namespace
} // namespace pabrel::testing

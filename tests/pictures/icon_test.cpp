// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files.h"
#include "stored_icon.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace pabrel::testing {
namespace {

constexpr int Side = 32;

class CommittedIcon : public ::testing::Test
{
protected:
    const StoredIcon icon = StoredIcon::load(assetPath("pabrel.ico"));
};

TEST_F(CommittedIcon, HoldsOne32By32FourBitImageWithTheStandardPalette)
{
    EXPECT_EQ(icon.reserved, 0);
    EXPECT_EQ(icon.type, 1) << "1 is an icon, 2 a cursor";
    EXPECT_EQ(icon.imageCount, 1);
    EXPECT_EQ(icon.entryWidth, Side);
    EXPECT_EQ(icon.entryHeight, Side);
    EXPECT_EQ(icon.entryColourCount, 16);
    EXPECT_EQ(icon.entryReserved, 0);
    EXPECT_EQ(icon.entryPlanes, 1);
    EXPECT_EQ(icon.entryBitCount, 4);
    EXPECT_EQ(icon.entryOffset, 22U);
    EXPECT_EQ(icon.entryBytes, icon.fileSize - 22);

    EXPECT_EQ(icon.info.headerSize, 40U);
    EXPECT_EQ(icon.info.width, Side);
    EXPECT_EQ(icon.info.height, 2 * Side) << "the pixel rows and the mask rows";
    EXPECT_EQ(icon.info.planes, 1);
    EXPECT_EQ(icon.info.bitCount, 4);
    EXPECT_EQ(icon.info.compression, 0U);
    EXPECT_EQ(icon.info.imageSize, 16U * Side + 4U * Side);
    EXPECT_EQ(icon.info.coloursUsed, 16U);
    for (std::size_t i = 0; i < ExpectedPalette.size(); ++i) {
        EXPECT_EQ(icon.info.palette[i], ExpectedPalette[i]) << "palette entry " << i;
    }
    EXPECT_TRUE(icon.paddingClean);
}

TEST_F(CommittedIcon, MaskIsEmptySoEveryPixelIsOpaque)
{
    ASSERT_EQ(icon.mask.size(), 4U * Side);
    EXPECT_TRUE(std::all_of(icon.mask.begin(), icon.mask.end(), [](auto b) { return b == 0; }));
}

struct Row
{
    int top;
    int bottom;
    int left;
    int right;
};

// Bands of rows holding black, each with the columns its black spans.
std::vector<Row> letterRows(const StoredIcon& icon)
{
    std::vector<Row> rows;
    bool inside = false;
    for (int y = 0; y < Side; ++y) {
        int left = Side;
        int right = -1;
        for (int x = 0; x < Side; ++x) {
            if (icon.at(x, y) == Black) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        if (right < 0) {
            inside = false;
            continue;
        }
        if (!inside) {
            rows.push_back({y, y, left, right});
        }
        Row& row = rows.back();
        row.bottom = y;
        row.left = std::min(row.left, left);
        row.right = std::max(row.right, right);
        inside = true;
    }
    return rows;
}

TEST_F(CommittedIcon, IsBlackLetteringOnWhiteInTwoCentredRowsFillingTheSquare)
{
    std::set<std::uint8_t> colours;
    int black = 0;
    for (int y = 0; y < Side; ++y) {
        for (int x = 0; x < Side; ++x) {
            colours.insert(icon.at(x, y));
            black += icon.at(x, y) == Black;
        }
    }
    EXPECT_EQ(colours, (std::set<std::uint8_t>{Black, White}));
    // Heavy lettering: a good share of the square is ink.
    EXPECT_GT(black, Side * Side / 4);

    const std::vector<Row> rows = letterRows(icon);
    ASSERT_EQ(rows.size(), 2U);
    const Row& upper = rows[0];
    const Row& lower = rows[1];
    EXPECT_LE(upper.top, 2);
    EXPECT_GE(lower.bottom, Side - 3);
    EXPECT_LE(upper.left, 2);
    EXPECT_GE(upper.right, Side - 3);
    EXPECT_GT(upper.right - upper.left, lower.right - lower.left) << "the upper row is wider";
    EXPECT_LE(std::abs((upper.left + upper.right) - (lower.left + lower.right)), 2)
        << "the lower row is centred under the upper";
}

} // namespace
} // namespace pabrel::testing

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files.h"
#include "stored_bitmap.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace pabrel::testing {
namespace {

constexpr int Width = 782;
constexpr int Height = 576;
constexpr int Patch = 100;

class Background : public ::testing::Test
{
protected:
    const StoredBitmap picture = StoredBitmap::load(assetPath("background.bmp"));

    std::map<std::uint8_t, int> colourCounts() const
    {
        std::map<std::uint8_t, int> counts;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                ++counts[picture.at(x, y)];
            }
        }
        return counts;
    }

    // Blue pixels in every Patch x Patch window, by summed-area table.
    std::vector<int> patchCounts() const
    {
        std::vector<std::vector<int>> sums(Height + 1, std::vector<int>(Width + 1, 0));
        for (int y = 0; y < Height; ++y) {
            for (int x = 0; x < Width; ++x) {
                sums[y + 1][x + 1] =
                    sums[y][x + 1] + sums[y + 1][x] - sums[y][x] + (picture.at(x, y) == Blue);
            }
        }
        std::vector<int> counts;
        for (int y = 0; y + Patch <= Height; ++y) {
            for (int x = 0; x + Patch <= Width; ++x) {
                counts.push_back(sums[y + Patch][x + Patch] - sums[y][x + Patch] -
                                 sums[y + Patch][x] + sums[y][x]);
            }
        }
        return counts;
    }

    int greyIn(int column) const
    {
        int grey = 0;
        for (int y = 0; y < Height; ++y) {
            grey += picture.at(column, y) == LightGrey;
        }
        return grey;
    }

    // Runs of grey broken by gaps: the number of places where grey starts.
    int greyRuns(int column) const
    {
        int runs = 0;
        for (int y = 0; y < Height; ++y) {
            const bool grey = picture.at(column, y) == LightGrey;
            runs += grey && (y == 0 || picture.at(column, y - 1) != LightGrey);
        }
        return runs;
    }
};

TEST_F(Background, IsWhiteWithAboutSevenPercentBlueAndLittleGrey)
{
    ASSERT_EQ(picture.width(), Width);
    ASSERT_EQ(picture.height(), Height);
    const auto counts = colourCounts();
    ASSERT_EQ(counts.size(), 3U) << "white, blue and light grey only";
    EXPECT_NEAR(counts.at(Blue), 31411, 300);
    EXPECT_LT(counts.at(LightGrey), 2 * Height) << "grey stays on the edges";
    EXPECT_GT(counts.at(White), Width * Height * 9 / 10);
}

TEST_F(Background, BlueThickensIntoCloudsBetweenThreeAndTenPercentPerPatch)
{
    const std::vector<int> counts = patchCounts();
    const auto [thinnest, densest] = std::minmax_element(counts.begin(), counts.end());
    const int area = Patch * Patch;
    EXPECT_GE(*thinnest, area * 3 / 100);
    EXPECT_LE(*densest, area * 10 / 100);
    // Uneven, not a uniform sprinkle: thin and dense patches both occur.
    EXPECT_LE(*thinnest, area * 45 / 1000);
    EXPECT_GE(*densest, area * 85 / 1000);
}

TEST_F(Background, BrokenGreyLinesRunDownTheOutermostColumns)
{
    for (const int column : {0, Width - 1}) {
        EXPECT_GT(greyIn(column), Height / 3) << "column " << column;
        EXPECT_LT(greyIn(column), Height * 95 / 100) << "column " << column;
        EXPECT_GE(greyRuns(column), 5) << "column " << column;
    }
}

TEST_F(Background, GreyLiesOnlyOnTheEdgesWithAFewPixelsAlongTheTop)
{
    int topRowGrey = 0;
    for (int y = 0; y < Height; ++y) {
        for (int x = 1; x < Width - 1; ++x) {
            if (picture.at(x, y) != LightGrey) {
                continue;
            }
            EXPECT_EQ(y, 0) << "grey inside the picture at " << x << "," << y;
            ++topRowGrey;
        }
    }
    EXPECT_GE(topRowGrey, 3);
    EXPECT_LE(topRowGrey, 40);
}

} // namespace
} // namespace pabrel::testing

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ink_lines.h"
#include "picture_files.h"
#include "stored_bitmap.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pabrel::testing {
namespace {

constexpr int CardWidth = 618;
constexpr int CardHeight = 255;
// Picture1 shows only this much of a card.
constexpr int SeenWidth = 613;
constexpr int SeenHeight = 253;
// How far the lettering's edges may stray from the box they should fill.
constexpr int Tolerance = 8;
constexpr int AnyRight = -1;

struct ExpectedLine
{
    std::uint8_t colour;
    int minHeight;
    int maxHeight;
};

// Lines that together fill the box from left to right and top to bottom (columns and rows
// inclusive). A right edge of AnyRight only asks that the lines start at left.
struct ExpectedBlock
{
    int left;
    int top;
    int right;
    int bottom;
    std::vector<ExpectedLine> lines;
};

struct ExpectedCard
{
    std::string file;
    std::uint8_t ground;
    std::vector<ExpectedBlock> blocks;
};

void PrintTo(const ExpectedCard& card, std::ostream* out)
{
    *out << card.file;
}

std::vector<ExpectedLine> lines(int count, std::uint8_t colour, int minHeight, int maxHeight)
{
    return std::vector<ExpectedLine>(static_cast<std::size_t>(count),
                                     {colour, minHeight, maxHeight});
}

// Every answer order's rules card has the same blocks; only its title's length differs. The
// English lines stand on evenly spaced baselines, so a line without descenders is shorter.
ExpectedCard rulesCard(std::string file, int titleRight)
{
    if (file.starts_with("en/")) {
        return {std::move(file),
                Yellow,
                {{5, 1, titleRight, 26, lines(1, Black, 26, 27)},
                 {5, 56, AnyRight, 112, lines(2, Black, 24, 26)},
                 {14, 132, AnyRight, 218, lines(3, Black, 24, 26)}}};
    }
    return {std::move(file),
            Yellow,
            {{5, 1, titleRight, 25, lines(1, Black, 25, 25)},
             {5, 59, AnyRight, 113, lines(2, Black, 26, 27)},
             {14, 129, AnyRight, 213, lines(3, Black, 26, 27)}}};
}

std::vector<ExpectedCard> expectedCards()
{
    return {
        rulesCard("rules.bmp", 144),
        rulesCard("rules_backward.bmp", 261),
        rulesCard("rules_ascending.bmp", 290),
        {"level1.bmp", Cyan, {{11, 71, 528, 128, lines(2, Black, 27, 28)}}},
        {"level2.bmp", Cyan, {{11, 69, 361, 133, lines(2, Black, 31, 32)}}},
        {"level3.bmp", Cyan, {{154, 87, 379, 141, lines(2, Black, 26, 26)}}},
        {"level4.bmp", Cyan, {{101, 96, 417, 128, lines(1, Black, 33, 33)}}},
        {"level5.bmp", Cyan, {{126, 87, 401, 119, lines(1, Red, 33, 33)}}},
        {"level6.bmp", Cyan, {{106, 66, 466, 157, lines(2, Red, 43, 44)}}},
        {"level7.bmp", Cyan, {{79, 64, 467, 170, lines(3, Blue, 32, 33)}}},
        {"level8.bmp", Cyan, {{104, 70, 481, 155, {{Blue, 33, 34}, {Red, 33, 34}}}}},
        rulesCard("en/rules.bmp", 154),
        rulesCard("en/rules_backward.bmp", 320),
        rulesCard("en/rules_ascending.bmp", 353),
        {"en/level1.bmp", Cyan, {{11, 67, 535, 132, lines(2, Black, 29, 31)}}},
        {"en/level2.bmp", Cyan, {{11, 67, 576, 135, lines(2, Black, 31, 33)}}},
        {"en/level3.bmp", Cyan, {{154, 85, 379, 143, lines(2, Black, 24, 29)}}},
        {"en/level4.bmp", Cyan, {{40, 94, 478, 129, lines(1, Black, 35, 35)}}},
        {"en/level5.bmp", Cyan, {{136, 88, 391, 117, lines(1, Red, 30, 30)}}},
        {"en/level6.bmp", Cyan, {{85, 64, 487, 159, lines(2, Red, 46, 47)}}},
        {"en/level7.bmp", Cyan, {{32, 62, 513, 172, lines(3, Blue, 33, 35)}}},
        {"en/level8.bmp", Cyan, {{45, 68, 539, 157, {{Blue, 36, 38}, {Red, 36, 38}}}}},
    };
}

class Card : public ::testing::TestWithParam<ExpectedCard>
{
protected:
    const StoredBitmap card = StoredBitmap::load(assetPath(GetParam().file));
    const std::vector<InkLine> found = findInkLines(card, GetParam().ground);
};

TEST_P(Card, IsAPlainGroundWithOnlyItsLetteringColours)
{
    ASSERT_EQ(card.width(), CardWidth);
    ASSERT_EQ(card.height(), CardHeight);
    std::map<std::uint8_t, int> counts;
    for (int y = 0; y < CardHeight; ++y) {
        for (int x = 0; x < CardWidth; ++x) {
            ++counts[card.at(x, y)];
        }
    }
    std::map<std::uint8_t, int> expected = {{GetParam().ground, 0}};
    for (const ExpectedBlock& block : GetParam().blocks) {
        for (const ExpectedLine& line : block.lines) {
            expected[line.colour] = 0;
        }
    }
    EXPECT_EQ(counts.size(), expected.size());
    for (const auto& [colour, count] : counts) {
        EXPECT_TRUE(expected.contains(colour)) << "unexpected colour " << int(colour);
    }
    EXPECT_GT(counts[GetParam().ground], CardWidth * CardHeight * 3 / 4);
}

TEST_P(Card, EachLineHasItsColourAndHeight)
{
    std::size_t index = 0;
    for (const ExpectedBlock& block : GetParam().blocks) {
        for (const ExpectedLine& line : block.lines) {
            ASSERT_LT(index, found.size()) << "too few lines";
            const InkLine& ink = found[index++];
            EXPECT_EQ(ink.colours, std::set<std::uint8_t>{line.colour}) << "line " << index;
            EXPECT_GE(ink.height(), line.minHeight) << "line " << index;
            EXPECT_LE(ink.height(), line.maxHeight) << "line " << index;
        }
    }
    EXPECT_EQ(found.size(), index) << "too many lines";
}

TEST_P(Card, EachBlockOfLinesFillsItsBox)
{
    std::size_t index = 0;
    for (const ExpectedBlock& block : GetParam().blocks) {
        ASSERT_LE(index + block.lines.size(), found.size());
        const auto first = found.begin() + static_cast<std::ptrdiff_t>(index);
        const auto last = first + static_cast<std::ptrdiff_t>(block.lines.size());
        index += block.lines.size();
        int left = CardWidth;
        int right = -1;
        for (auto line = first; line != last; ++line) {
            left = std::min(left, line->left);
            right = std::max(right, line->right);
        }
        SCOPED_TRACE("block starting at row " + std::to_string(block.top));
        EXPECT_NEAR(left, block.left, Tolerance);
        EXPECT_NEAR(first->top, block.top, Tolerance);
        EXPECT_NEAR((last - 1)->bottom, block.bottom, Tolerance);
        if (block.right != AnyRight) {
            EXPECT_NEAR(right, block.right, Tolerance);
        }
    }
}

TEST_P(Card, NoLetteringLiesWherePicture1CannotShowIt)
{
    for (const InkLine& line : found) {
        EXPECT_LT(line.right, SeenWidth);
        EXPECT_LT(line.bottom, SeenHeight);
    }
}

INSTANTIATE_TEST_SUITE_P(Assets, Card, ::testing::ValuesIn(expectedCards()),
                         [](const auto& info) { return testNameOf(info.param.file); });

int tallestLine(const std::string& file, std::uint8_t ground)
{
    int tallest = 0;
    for (const InkLine& line : findInkLines(StoredBitmap::load(assetPath(file)), ground)) {
        tallest = std::max(tallest, line.height());
    }
    return tallest;
}

class CardsOfALanguage : public ::testing::TestWithParam<CardLanguage>
{
protected:
    std::string file(const std::string& name) const
    {
        return std::string(GetParam().folder) + name;
    }
};

TEST_P(CardsOfALanguage, LevelSixHasTheLargestLettering)
{
    const int levelSix = tallestLine(file("level6.bmp"), Cyan);
    for (const std::string_view rules : RulesCardNames) {
        EXPECT_GT(levelSix, tallestLine(file(std::string(rules)), Yellow)) << rules;
    }
    for (int level = 1; level <= 8; ++level) {
        if (level != 6) {
            EXPECT_GT(levelSix, tallestLine(file("level" + std::to_string(level) + ".bmp"), Cyan))
                << "level " << level;
        }
    }
}

TEST_P(CardsOfALanguage, EachRulesCardIndentsItsSecondBlock)
{
    for (const std::string_view rules : RulesCardNames) {
        SCOPED_TRACE(rules);
        const std::vector<InkLine> found =
            findInkLines(StoredBitmap::load(assetPath(file(std::string(rules)))), Yellow);
        ASSERT_EQ(found.size(), 6U);
        for (std::size_t line = 0; line < 3; ++line) {
            EXPECT_LE(found[line].left, 7) << "line " << line << " starts close to the left edge";
        }
        for (std::size_t line = 3; line < 6; ++line) {
            EXPECT_GE(found[line].left, found[1].left + 6) << "line " << line << " is indented";
            EXPECT_LE(found[line].left, found[1].left + 14) << "line " << line << " is indented";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Assets, CardsOfALanguage, ::testing::ValuesIn(CardLanguages),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pabrel::testing

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "card_designs.h"

#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string>

namespace pabrel::art {
namespace {

LetteringLine line(std::string_view text, PaletteIndex colour)
{
    return {QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), colour};
}

// The rules card of an answer order: a title, how to answer, and the level lines indented.
// The title's letter spacing is stretched to reach its right edge, set for each title so that
// every title comes out in the same size and spacing.
CardDesign rulesCard(std::string fileName, std::span<const std::string_view> texts, int titleRight)
{
    return {std::move(fileName),
            Yellow,
            {
                {5, 1, titleRight, 25, true, LineAlignment::Left, 25, 25, {line(texts[0], Black)}},
                {5,
                 59,
                 CardSeenWidth - 1,
                 113,
                 false,
                 LineAlignment::Left,
                 26,
                 27,
                 {line(texts[1], Black), line(texts[2], Black)}},
                {14,
                 129,
                 CardSeenWidth - 1,
                 213,
                 false,
                 LineAlignment::Left,
                 26,
                 27,
                 {line(texts[3], Black), line(texts[4], Black), line(texts[5], Black)}},
            }};
}

CardDesign levelCard(int level, LetteringBlock block)
{
    return {"level" + std::to_string(level) + ".bmp", Cyan, {std::move(block)}};
}

std::vector<CardDesign> japaneseCards()
{
    constexpr auto Left = LineAlignment::Left;
    constexpr auto Centred = LineAlignment::Centred;
    return {
        rulesCard("rules.bmp", card_texts::rules, 144),
        rulesCard("rules_backward.bmp", card_texts::rulesBackward, 261),
        rulesCard("rules_ascending.bmp", card_texts::rulesAscending, 290),
        levelCard(1, {11,
                      71,
                      528,
                      128,
                      true,
                      Left,
                      27,
                      28,
                      {line(card_texts::level1[0], Black), line(card_texts::level1[1], Black)}}),
        levelCard(2, {11,
                      69,
                      361,
                      133,
                      true,
                      Left,
                      31,
                      32,
                      {line(card_texts::level2[0], Black), line(card_texts::level2[1], Black)}}),
        levelCard(3, {154,
                      87,
                      379,
                      141,
                      true,
                      Centred,
                      26,
                      26,
                      {line(card_texts::level3[0], Black), line(card_texts::level3[1], Black)}}),
        levelCard(4,
                  {101, 96, 417, 128, true, Centred, 33, 33, {line(card_texts::level4[0], Black)}}),
        levelCard(5,
                  {126, 87, 401, 119, true, Centred, 33, 33, {line(card_texts::level5[0], Red)}}),
        levelCard(6, {106,
                      66,
                      466,
                      157,
                      true,
                      Centred,
                      43,
                      44,
                      {line(card_texts::level6[0], Red), line(card_texts::level6[1], Red)}}),
        levelCard(7, {79,
                      64,
                      467,
                      170,
                      true,
                      Centred,
                      32,
                      33,
                      {line(card_texts::level7[0], Blue), line(card_texts::level7[1], Blue),
                       line(card_texts::level7[2], Blue)}}),
        levelCard(8, {104,
                      70,
                      481,
                      155,
                      true,
                      Centred,
                      33,
                      34,
                      {line(card_texts::level8[0], Blue), line(card_texts::level8[1], Red)}}),
    };
}

// Where a block of English lines goes, and the heights its lines may take. The English cards
// follow the layout of the Japanese ones, with Latin lines on evenly spaced baselines in their
// natural spacing, each block in the largest size that fits it.
struct EnglishLayout
{
    int left;
    int top;
    int right;
    int bottom;
    LineAlignment alignment;
    int minLineHeight;
    int maxLineHeight;
};

LetteringBlock englishBlock(const EnglishLayout& layout, std::span<const std::string_view> texts,
                            std::initializer_list<PaletteIndex> colours)
{
    if (texts.size() != colours.size()) {
        throw std::logic_error("an English block needs one colour for each of its lines");
    }
    std::vector<LetteringLine> lines;
    const PaletteIndex* colour = colours.begin();
    for (const std::string_view text : texts) {
        lines.push_back(line(text, *colour++));
    }
    return {layout.left,
            layout.top,
            layout.right,
            layout.bottom,
            false,
            layout.alignment,
            layout.minLineHeight,
            layout.maxLineHeight,
            std::move(lines),
            LineStacking::Baselines};
}

CardDesign englishRulesCard(std::string fileName, std::span<const std::string_view> texts)
{
    constexpr auto Left = LineAlignment::Left;
    return {std::move(fileName),
            Yellow,
            {
                englishBlock({5, 1, 400, 27, Left, 24, 27}, texts.subspan(0, 1), {Black}),
                englishBlock({5, 56, CardSeenWidth - 1, 112, Left, 24, 26}, texts.subspan(1, 2),
                             {Black, Black}),
                englishBlock({14, 132, CardSeenWidth - 1, 218, Left, 24, 26}, texts.subspan(3, 3),
                             {Black, Black, Black}),
            }};
}

CardDesign englishLevelCard(const card_texts::CardSet& texts, int level,
                            const EnglishLayout& layout,
                            std::initializer_list<PaletteIndex> colours)
{
    return {"en/level" + std::to_string(level) + ".bmp",
            Cyan,
            {englishBlock(layout, texts.levels[static_cast<std::size_t>(level - 1)], colours)}};
}

std::vector<CardDesign> englishCards()
{
    const card_texts::CardSet texts = card_texts::cardsIn(Language::English);
    constexpr auto Left = LineAlignment::Left;
    constexpr auto Centred = LineAlignment::Centred;
    return {
        englishRulesCard("en/rules.bmp", texts.rules),
        englishRulesCard("en/rules_backward.bmp", texts.rulesBackward),
        englishRulesCard("en/rules_ascending.bmp", texts.rulesAscending),
        englishLevelCard(texts, 1, {11, 67, 600, 132, Left, 26, 33}, {Black, Black}),
        englishLevelCard(texts, 2, {11, 67, 580, 135, Left, 28, 36}, {Black, Black}),
        englishLevelCard(texts, 3, {100, 85, 433, 143, Centred, 24, 30}, {Black, Black}),
        englishLevelCard(texts, 4, {40, 94, 478, 130, Centred, 30, 37}, {Black}),
        englishLevelCard(texts, 5, {60, 85, 467, 121, Centred, 26, 30}, {Red}),
        englishLevelCard(texts, 6, {40, 64, 532, 159, Centred, 38, 48}, {Red, Red}),
        englishLevelCard(texts, 7, {30, 62, 516, 172, Centred, 28, 36}, {Blue, Blue, Blue}),
        englishLevelCard(texts, 8, {30, 68, 555, 157, Centred, 30, 38}, {Blue, Red}),
    };
}

} // namespace

std::vector<CardDesign> cardDesigns(Language language)
{
    if (language == Language::English) {
        return englishCards();
    }
    return japaneseCards();
}

} // namespace pabrel::art

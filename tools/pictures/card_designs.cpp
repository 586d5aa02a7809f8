// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "card_designs.h"

#include "card_texts.h"

#include <string>

namespace pabrel::art {
namespace {

LetteringLine line(std::string_view text, PaletteIndex colour)
{
    return {QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), colour};
}

CardDesign rulesCard()
{
    return {
        "rules.bmp",
        Yellow,
        {
            {5, 1, 144, 25, true, LineAlignment::Left, 25, 25, {line(card_texts::rules[0], Black)}},
            {5,
             59,
             CardSeenWidth - 1,
             113,
             false,
             LineAlignment::Left,
             26,
             27,
             {
                 line(card_texts::rules[1], Black),
                 line(card_texts::rules[2], Black),
             }},
            {14,
             129,
             CardSeenWidth - 1,
             213,
             false,
             LineAlignment::Left,
             26,
             27,
             {
                 line(card_texts::rules[3], Black),
                 line(card_texts::rules[4], Black),
                 line(card_texts::rules[5], Black),
             }},
        }};
}

CardDesign levelCard(int level, LetteringBlock block)
{
    return {"level" + std::to_string(level) + ".bmp", Cyan, {std::move(block)}};
}

} // namespace

std::vector<CardDesign> cardDesigns()
{
    constexpr auto Left = LineAlignment::Left;
    constexpr auto Centred = LineAlignment::Centred;
    return {
        rulesCard(),
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

} // namespace pabrel::art

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "palette.h"

#include <QString>

#include <string>
#include <vector>

namespace pabrel::art {

inline constexpr int CardWidth = 618;
inline constexpr int CardHeight = 255;
// Picture1 shows only this much of a card; no lettering may lie beyond it.
inline constexpr int CardSeenWidth = 613;
inline constexpr int CardSeenHeight = 253;

struct LetteringLine
{
    QString text;
    PaletteIndex colour;
};

enum class LineAlignment
{
    Left,
    Centred,
};

// Lines set in one size, stacked from the top row of the box to its bottom row. Columns and
// rows are counted from the card's top-left pixel and include both ends.
struct LetteringBlock
{
    int left;
    int top;
    int right;
    int bottom;
    // When set, the letter spacing is chosen so that the widest line spans left to right;
    // otherwise the lines keep their natural spacing and right is only a limit.
    bool fillWidth;
    LineAlignment alignment;
    int minLineHeight;
    int maxLineHeight;
    std::vector<LetteringLine> lines;
};

struct CardDesign
{
    std::string fileName;
    PaletteIndex ground;
    std::vector<LetteringBlock> blocks;
};

} // namespace pabrel::art

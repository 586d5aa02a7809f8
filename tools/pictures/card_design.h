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

// How the lines of a block are measured and stacked.
enum class LineStacking
{
    // Each line is as tall as its own ink. Kana and kanji fill much the same square, so
    // their lines come out evenly spaced.
    InkBoxes,
    // Every line is as tall as the block's highest ascender to its lowest descender, so
    // that Latin lines sit on evenly spaced baselines whether or not they have an ascender
    // or a descender.
    Baselines,
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
    // otherwise the lines keep their natural spacing, and the size is also small enough for
    // the widest line to stay within left and right.
    bool fillWidth;
    LineAlignment alignment;
    // The heights of the lines as stacking measures them.
    int minLineHeight;
    int maxLineHeight;
    std::vector<LetteringLine> lines;
    LineStacking stacking = LineStacking::InkBoxes;
};

struct CardDesign
{
    std::string fileName;
    PaletteIndex ground;
    std::vector<LetteringBlock> blocks;
};

} // namespace pabrel::art

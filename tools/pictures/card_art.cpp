// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "card_art.h"

#include "rasterised_line.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace pabrel::art {
namespace {

constexpr int SmallestPixelSize = 8;
constexpr int LargestPixelSize = 96;
constexpr double NarrowestSpacing = -3.0;
constexpr double WidestSpacing = 8.0;
constexpr double SpacingStep = 0.25;

std::vector<RasterisedLine> rasterise(const LetteringBlock& block, const QFont& font)
{
    std::vector<RasterisedLine> lines;
    for (const LetteringLine& line : block.lines) {
        lines.emplace_back(line.text, font);
    }
    return lines;
}

// The rows that each line of a block takes, and how far below the first of them its ink
// starts.
struct Stack
{
    std::vector<int> heights;
    std::vector<int> inkOffsets;
};

Stack stackOf(const LetteringBlock& block, const std::vector<RasterisedLine>& lines)
{
    Stack stack;
    if (block.stacking == LineStacking::InkBoxes) {
        for (const RasterisedLine& line : lines) {
            stack.heights.push_back(line.height());
            stack.inkOffsets.push_back(0);
        }
        return stack;
    }
    int above = 0;
    int below = 0;
    for (const RasterisedLine& line : lines) {
        above = std::max(above, line.baseline());
        below = std::max(below, line.height() - line.baseline());
    }
    for (const RasterisedLine& line : lines) {
        stack.heights.push_back(above + below);
        stack.inkOffsets.push_back(above - line.baseline());
    }
    return stack;
}

int boxWidth(const LetteringBlock& block)
{
    return block.right - block.left + 1;
}

int widest(const std::vector<RasterisedLine>& lines)
{
    int width = 0;
    for (const RasterisedLine& line : lines) {
        width = std::max(width, line.width());
    }
    return width;
}

std::runtime_error designError(const LetteringBlock& block, const std::string& what)
{
    return std::runtime_error("block starting \"" + block.lines.front().text.toStdString() +
                              "\": " + what);
}

void stamp(IndexedImage& card, const RasterisedLine& line, int left, int top, PaletteIndex colour)
{
    for (int y = 0; y < line.height(); ++y) {
        for (int x = 0; x < line.width(); ++x) {
            if (line.inkAt(x, y)) {
                card.set(left + x, top + y, colour);
            }
        }
    }
}

// Spreads the rows that the lines leave free evenly over the gaps between them.
int topOfLine(const LetteringBlock& block, const std::vector<int>& heights, std::size_t index)
{
    int used = 0;
    for (const int height : heights) {
        used += height;
    }
    const int free = block.bottom - block.top + 1 - used;
    int above = 0;
    for (std::size_t i = 0; i < index; ++i) {
        above += heights[i];
    }
    if (heights.size() == 1) {
        return block.top + free / 2;
    }
    const auto gaps = static_cast<int>(heights.size() - 1);
    return block.top + above + free * static_cast<int>(index) / gaps;
}

int leftOfLine(const LetteringBlock& block, const RasterisedLine& line)
{
    if (block.alignment == LineAlignment::Left) {
        return block.left;
    }
    return block.left + (boxWidth(block) - line.width()) / 2;
}

} // namespace

CardArt::CardArt(QFont face) : face_(std::move(face))
{
    face_.setStyleStrategy(QFont::NoAntialias);
}

IndexedImage CardArt::draw(const CardDesign& design) const
{
    IndexedImage card(CardWidth, CardHeight, design.ground);
    for (const LetteringBlock& block : design.blocks) {
        drawBlock(card, block);
    }
    return card;
}

void CardArt::drawBlock(IndexedImage& card, const LetteringBlock& block) const
{
    const QFont font = fontFor(block);
    const std::vector<RasterisedLine> lines = rasterise(block, font);
    const Stack stack = stackOf(block, lines);
    int previousBottom = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int left = leftOfLine(block, lines[i]);
        const int top = topOfLine(block, stack.heights, i) + stack.inkOffsets[i];
        if (left < 0 || top < 0 || left + lines[i].width() > CardSeenWidth ||
            top + lines[i].height() > CardSeenHeight) {
            throw designError(block, "a line reaches beyond the part of the card on view");
        }
        // The eye, and the tests, tell lines apart by the empty rows between them.
        if (i > 0 && top <= previousBottom + 1) {
            throw designError(block, "two lines touch: the block needs more rows");
        }
        previousBottom = top + lines[i].height() - 1;
        stamp(card, lines[i], left, top, block.lines[i].colour);
        std::printf("  %3d px, spacing %5.2f: columns %3d to %3d, rows %3d to %3d  %s\n",
                    font.pixelSize(), font.letterSpacing(), left, left + lines[i].width() - 1, top,
                    top + lines[i].height() - 1, block.lines[i].text.toStdString().c_str());
    }
}

QFont CardArt::fontFor(const LetteringBlock& block) const
{
    QFont font = face_;
    for (int size = LargestPixelSize; size >= SmallestPixelSize; --size) {
        font.setPixelSize(size);
        const std::vector<RasterisedLine> lines = rasterise(block, font);
        const Stack stack = stackOf(block, lines);
        const bool tooWide = !block.fillWidth && widest(lines) > boxWidth(block);
        if (std::ranges::max(stack.heights) > block.maxLineHeight || tooWide) {
            continue;
        }
        if (std::ranges::min(stack.heights) < block.minLineHeight) {
            throw designError(block, "no size keeps every line within its box and height");
        }
        if (block.fillWidth) {
            fitWidth(font, block);
        }
        return font;
    }
    throw designError(block, "lines too tall for any size");
}

// Chooses the letter spacing that brings the widest line closest to the block's width,
// preferring the spacing nearest the face's own.
void CardArt::fitWidth(QFont& font, const LetteringBlock& block) const
{
    const int target = boxWidth(block);
    double bestSpacing = 0;
    int bestMiss = -1;
    for (double spacing = NarrowestSpacing; spacing <= WidestSpacing; spacing += SpacingStep) {
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
        const int miss = std::abs(widest(rasterise(block, font)) - target);
        const bool closer = bestMiss < 0 || miss < bestMiss ||
                            (miss == bestMiss && std::abs(spacing) < std::abs(bestSpacing));
        if (closer) {
            bestMiss = miss;
            bestSpacing = spacing;
        }
    }
    font.setLetterSpacing(QFont::AbsoluteSpacing, bestSpacing);
}

} // namespace pabrel::art

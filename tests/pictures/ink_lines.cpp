// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ink_lines.h"

#include <algorithm>

namespace pabrel::testing {
namespace {

bool rowHasInk(const StoredBitmap& card, int y, std::uint8_t ground)
{
    for (int x = 0; x < card.width(); ++x) {
        if (card.at(x, y) != ground) {
            return true;
        }
    }
    return false;
}

InkLine measure(const StoredBitmap& card, int top, int bottom, std::uint8_t ground)
{
    InkLine line{card.width(), top, -1, bottom, {}};
    for (int y = top; y <= bottom; ++y) {
        for (int x = 0; x < card.width(); ++x) {
            if (card.at(x, y) != ground) {
                line.left = std::min(line.left, x);
                line.right = std::max(line.right, x);
                line.colours.insert(card.at(x, y));
            }
        }
    }
    return line;
}

} // namespace

std::vector<InkLine> findInkLines(const StoredBitmap& card, std::uint8_t ground)
{
    std::vector<InkLine> lines;
    int y = 0;
    while (y < card.height()) {
        if (!rowHasInk(card, y, ground)) {
            ++y;
            continue;
        }
        const int top = y;
        while (y < card.height() && rowHasInk(card, y, ground)) {
            ++y;
        }
        lines.push_back(measure(card, top, y - 1, ground));
    }
    return lines;
}

} // namespace pabrel::testing

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "stored_bitmap.h"

#include <cstdint>
#include <set>
#include <vector>

namespace pabrel::testing {

// A band of consecutive rows holding lettering, with the box of its ink and its colours.
struct InkLine
{
    int left;
    int top;
    int right;
    int bottom;
    std::set<std::uint8_t> colours;

    int height() const { return bottom - top + 1; }
};

// The lines of lettering on a card: every run of rows that holds a pixel other than the
// ground, top to bottom.
std::vector<InkLine> findInkLines(const StoredBitmap& card, std::uint8_t ground);

} // namespace pabrel::testing

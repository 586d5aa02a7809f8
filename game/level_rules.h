// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "checked.h"

// How the level moves and what it asks: written here once, for the game and for everything
// that reads its rounds back (the records, their span, the chart and the benchmark).
namespace pabrel {

inline constexpr Int16 MinLevel = 1;
inline constexpr Int16 MaxLevel = 8;

// A round at level n shows n + 1 digits.
constexpr Int16 digitsAt(Int16 level)
{
    return checkedAdd(level, 1);
}

inline constexpr Int16 MinDigits = digitsAt(MinLevel);
inline constexpr Int16 MaxDigits = digitsAt(MaxLevel);

// A right answer raises the level by one, a wrong one or a give-up lowers it by one, within
// MinLevel and MaxLevel.
constexpr Int16 levelAfter(Int16 level, bool right)
{
    if (right) {
        return level < MaxLevel ? checkedAdd(level, 1) : level;
    }
    return level > MinLevel ? checkedSub(level, 1) : level;
}

} // namespace pabrel

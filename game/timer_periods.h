// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "checked.h"

namespace pabrel {

// The periods of the window's three timers: the countdown's tick, how long the digits
// show, and the pause after a result.
inline constexpr int CountTickMs = 1000;
// The countdown's ticks from a start to the question.
inline constexpr Int16 CountdownSeconds = 3;
inline constexpr int LongDisplayMs = 600;
inline constexpr int ShortDisplayMs = 300;
inline constexpr int ResultPauseMs = 1500;
// From this level on the digits show for the short time.
inline constexpr Int16 FirstShortDisplayLevel = 3;

constexpr int displayMs(Int16 level)
{
    return level >= FirstShortDisplayLevel ? ShortDisplayMs : LongDisplayMs;
}

} // namespace pabrel

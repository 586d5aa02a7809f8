// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "level_rules.h"
#include "span_estimate.h"

#include <array>

namespace pabrel::records {

// The rounds of a period, level by level: how many were answered (a give-up counts as an
// answer, and a wrong one) and how many of them right.
struct LevelCounts
{
    std::array<int, MaxLevel> answered{};
    std::array<int, MaxLevel> right{};

    int rounds() const;
    LevelCounts& operator+=(const LevelCounts& other);
};

// The span that `counts` tell, fitted the way psychophysics fits a psychometric function:
// the chance of a right answer falls along a logistic curve of the number of digits, whose
// half-way point (the span) and slope are both unknown. The posterior over a grid of the
// two, with a flat prior on the span and a broad one on the slope, gives the span's mean
// and standard deviation; a span whose spread within the game's rows is more than
// MaxSpread is not given.
SpanEstimate fitSpan(const LevelCounts& counts);

inline constexpr double MaxSpread = 1.2;

} // namespace pabrel::records

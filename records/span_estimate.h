// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game_state.h"

#include <QString>

namespace pabrel::records {

// How many digits the player recalls right half the time, as far as a run of rounds tells.
struct SpanEstimate
{
    enum class Kind
    {
        // Too few rounds yet to say.
        None,
        // `digits`, give or take `standardError`.
        Digits,
        // Most answers were right at the top level: CeilingDigits or more.
        AtLeastCeiling,
        // Most answers were wrong at the bottom level: FloorDigits or fewer.
        AtMostFloor,
    };

    // The longest and the shortest rows of digits the game shows.
    static constexpr int CeilingDigits = MaxLevel + 1;
    static constexpr int FloorDigits = MinLevel + 1;

    Kind kind = Kind::None;
    // The mean number of digits at the counted reversals of the level staircase.
    double digits = 0;
    // The standard error of that mean.
    double standardError = 0;
    // How many reversals were counted.
    int reversals = 0;

    // How each kind is said: `digits` takes the span (%1) and, if it likes, its standard
    // error (%2) to one decimal, `atLeast` and `atMost` the number of digits at that end.
    struct Words
    {
        QString digits;
        QString atLeast;
        QString atMost;
        QString none;
    };
    QString said(const Words& words) const;

    friend bool operator==(const SpanEstimate&, const SpanEstimate&) = default;
};

} // namespace pabrel::records

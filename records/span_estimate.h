// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "level_rules.h"

#include <QString>

namespace pabrel::records {

// How many digits the player recalls right half the time, as far as a period's rounds tell.
struct SpanEstimate
{
    enum class Kind
    {
        // Too few rounds yet to say.
        None,
        // `digits`, give or take `spread`.
        Digits,
        // Beyond the longest row the game shows: MaxDigits or more.
        AtLeastCeiling,
        // Below the shortest: MinDigits or fewer.
        AtMostFloor,
    };

    Kind kind = Kind::None;
    // The span's posterior mean and standard deviation.
    double digits = 0;
    double spread = 0;
    // The rounds that went into it.
    int rounds = 0;

    // How each kind is said: `digits` takes the span (%1) and, if it likes, its spread (%2),
    // `atLeast` and `atMost` the number of digits at that end, `none` the rounds counted.
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

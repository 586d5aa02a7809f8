// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "span_estimate.h"

#include <algorithm>
#include <cmath>

namespace pabrel::records {

namespace {
// Enough decimals that the spread keeps a significant digit: 0.2, 0.04, 0.007.
int decimalsFor(double spread)
{
    constexpr int Most = 3;
    return spread > 0 ? std::clamp(int(-std::floor(std::log10(spread))), 1, Most) : Most;
}
} // namespace

QString SpanEstimate::said(const Words& words) const
{
    switch (kind) {
    case Kind::Digits: {
        const int decimals = decimalsFor(spread);
        // Either number may be left out of the words.
        return QString(words.digits)
            .replace(QLatin1String("%1"), QString::number(digits, 'f', decimals))
            .replace(QLatin1String("%2"), QString::number(spread, 'f', decimals));
    }
    case Kind::AtLeastCeiling:
        return words.atLeast.arg(MaxDigits);
    case Kind::AtMostFloor:
        return words.atMost.arg(MinDigits);
    case Kind::None:
        break;
    }
    return QString(words.none).replace(QLatin1String("%1"), QString::number(rounds));
}

} // namespace pabrel::records

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "span_estimate.h"

namespace pabrel::records {

QString SpanEstimate::said(const Words& words) const
{
    switch (kind) {
    case Kind::Digits:
        // Either number may be left out of the words.
        return QString(words.digits)
            .replace(QLatin1String("%1"), QString::number(digits, 'f', 1))
            .replace(QLatin1String("%2"), QString::number(standardError, 'f', 1));
    case Kind::AtLeastCeiling:
        return words.atLeast.arg(CeilingDigits);
    case Kind::AtMostFloor:
        return words.atMost.arg(FloorDigits);
    case Kind::None:
        break;
    }
    return words.none;
}

} // namespace pabrel::records

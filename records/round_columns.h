// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "round_record.h"

#include <QLatin1StringView>

#include <array>

namespace pabrel::records {

// A column of the rounds table, and how it reads as text: painted_ms to two decimals, and
// an empty text for a missing value. A file of a schema before the column's reads as
// `before` there.
struct RoundColumn
{
    const char* name;
    const char* asText;
    int since = 1;
    const char* before = "NULL";

    const char* read(int schemaVersion) const { return schemaVersion < since ? before : asText; }
};

// Every round before the listening mode was recorded was flashed.
inline constexpr RoundColumn PresentationColumn{"presentation", "presentation", 2, "'shown'"};

// The columns of a round, in the order in which they are written and exported; a later
// schema adds its columns at the end, so that the earlier ones keep their places.
inline constexpr std::array<RoundColumn, 9> RoundColumns{{
    {"started_at", "started_at"},
    {"level", "level"},
    {"shown", "shown"},
    {"typed", "typed"},
    {"outcome", "outcome"},
    {"display_ms", "display_ms"},
    {"painted_ms", "iif(painted_ms IS NULL, NULL, printf('%.2f', painted_ms))"},
    {"answer_ms", "answer_ms"},
    PresentationColumn,
}};

// How the file spells an outcome and a presentation.
constexpr QLatin1StringView nameOf(RoundOutcome outcome)
{
    switch (outcome) {
    case RoundOutcome::Correct:
        return QLatin1StringView("correct");
    case RoundOutcome::Wrong:
        return QLatin1StringView("wrong");
    case RoundOutcome::GaveUp:
        break;
    }
    return QLatin1StringView("gave-up");
}

constexpr QLatin1StringView nameOf(Presentation presentation)
{
    return presentation == Presentation::Spoken ? QLatin1StringView("spoken")
                                                : QLatin1StringView("shown");
}

} // namespace pabrel::records

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "round_record.h"

#include <QLatin1StringView>
#include <QString>

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

inline constexpr RoundColumn OutcomeColumn{"outcome", "outcome"};
// Every round before the listening mode was recorded was flashed, and every round before
// the answer orders was answered as shown.
inline constexpr RoundColumn PresentationColumn{"presentation", "presentation", 2, "'shown'"};
inline constexpr RoundColumn AnswerOrderColumn{"answer_order", "answer_order", 3, "'forward'"};

// The columns of a round, in the order in which they are written and exported; a later
// schema adds its columns at the end, so that the earlier ones keep their places.
inline constexpr std::array<RoundColumn, 10> RoundColumns{{
    {"started_at", "started_at"},
    {"level", "level"},
    {"shown", "shown"},
    {"typed", "typed"},
    OutcomeColumn,
    {"display_ms", "display_ms"},
    {"painted_ms", "iif(painted_ms IS NULL, NULL, printf('%.2f', painted_ms))"},
    {"answer_ms", "answer_ms"},
    PresentationColumn,
    AnswerOrderColumn,
}};

// How the file spells an outcome, a presentation and an answer order.
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

constexpr QLatin1StringView nameOf(RecallOrder order)
{
    const std::string_view code = codeOf(order);
    return QLatin1StringView(code.data(), qsizetype(code.size()));
}

// Every value that the file spells by name.
inline constexpr std::array Outcomes{RoundOutcome::Correct, RoundOutcome::Wrong,
                                     RoundOutcome::GaveUp};
inline constexpr std::array Presentations{Presentation::Shown, Presentation::Spoken};

// SQL that reads `column`, in a file of `schemaVersion`, as its value's number in the
// program, or as NULL for a name that no Pabrel writes.
template <typename Value, std::size_t Count>
QString valueNumber(const RoundColumn& column, int schemaVersion,
                    const std::array<Value, Count>& values)
{
    QString cases;
    for (const Value value : values) {
        cases += QStringLiteral(" WHEN '%1' THEN %2").arg(nameOf(value)).arg(int(value));
    }
    return QStringLiteral("CASE %1%2 END").arg(QLatin1String(column.read(schemaVersion)), cases);
}

} // namespace pabrel::records

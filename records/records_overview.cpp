// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records_overview.h"

#include "level_rules.h"

#include <algorithm>

namespace pabrel::records {

void RecordsOverview::Totals::add(int level, bool right)
{
    ++rounds;
    correct += right;
    bestLevel = std::max(bestLevel, level);
    if (right) {
        longestRecalled = std::max(longestRecalled, int(digitsAt(Int16(level))));
    }
    auto played =
        std::lower_bound(levels.begin(), levels.end(), level,
                         [](const Level& each, int sought) { return each.level < sought; });
    if (played == levels.end() || played->level != level) {
        played = levels.insert(played, Level{level, 0, 0});
    }
    ++played->rounds;
    played->correct += right;
}

void RecordsOverview::add(qint64 startedAtMs, int level, RoundOutcome outcome, RoundKind kind)
{
    if (level < MinLevel || level > MaxLevel) {
        return;
    }
    const bool right = outcome == RoundOutcome::Correct;
    all_.add(level, right);
    kinds_.at(kind.index()).add(level, right);
    levelsOverTime_.at(kind.index()).push_back({startedAtMs, level});
    span_.add(startedAtMs, level, outcome, kind);
}

void RecordsOverview::add(const RoundRecord& round)
{
    if (round.startedAt.isValid()) {
        add(round.startedAt.toMSecsSinceEpoch(), round.level, round.outcome, round.kind());
    }
}

} // namespace pabrel::records

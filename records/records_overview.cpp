// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records_overview.h"

#include "level_rules.h"

#include <algorithm>

namespace pabrel::records {

void RecordsOverview::add(qint64 startedAtMs, int level, RoundOutcome outcome,
                          Presentation presentation)
{
    if (level < MinLevel || level > MaxLevel) {
        return;
    }
    const bool right = outcome == RoundOutcome::Correct;
    ++rounds;
    correct += right;
    spoken += presentation == Presentation::Spoken;
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
    levelOverTime.push_back({startedAtMs, level});
    span.add(startedAtMs, level, outcome, presentation);
}

void RecordsOverview::add(const RoundRecord& round)
{
    if (round.startedAt.isValid()) {
        add(round.startedAt.toMSecsSinceEpoch(), round.level, round.outcome, round.presentation);
    }
}

} // namespace pabrel::records

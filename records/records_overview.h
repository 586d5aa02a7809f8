// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "round_observer.h"
#include "round_record.h"
#include "span_estimator.h"

#include <array>
#include <vector>

namespace pabrel::records {

// What the records window and the summary show: totals, each level's rounds, the level of
// every round over time, and the digit span, for each kind of round apart and totals for
// all of them. It takes the rounds one at a time, oldest first, so that a round just written
// updates it without reading the file again.
class RecordsOverview
{
public:
    struct Level
    {
        int level = 0;
        int rounds = 0;
        int correct = 0;
    };
    struct Point
    {
        qint64 msecsSinceEpoch = 0;
        int level = 0;
    };
    // The rounds of one kind, or of every kind.
    struct Totals
    {
        void add(int level, bool right);

        int rounds = 0;
        int correct = 0;
        int bestLevel = 0;
        // The most digits of a correct answer; 0 before the first one.
        int longestRecalled = 0;
        // The levels played, lowest first.
        std::vector<Level> levels;
    };

    // A round of a level the game does not have, or with no valid time, is passed over.
    void add(qint64 startedAtMs, int level, RoundOutcome outcome, RoundKind kind);
    void add(const RoundRecord& round);

    const Totals& all() const { return all_; }
    const Totals& of(RoundKind kind) const { return kinds_.at(kind.index()); }
    // The level of each round of `kind`, in order.
    const std::vector<Point>& levelOverTime(RoundKind kind) const
    {
        return levelsOverTime_.at(kind.index());
    }
    const SpanEstimator& span() const { return span_; }

private:
    Totals all_;
    std::array<Totals, RoundKindCount> kinds_;
    std::array<std::vector<Point>, RoundKindCount> levelsOverTime_;
    SpanEstimator span_;
};

} // namespace pabrel::records

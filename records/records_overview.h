// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "round_observer.h"
#include "round_record.h"
#include "span_estimator.h"

#include <vector>

namespace pabrel::records {

// What the records window and the summary show: totals, each level's rounds, the level of
// every round over time, and the digit span. It takes the rounds one at a time, oldest
// first, so that a round just written updates it without reading the file again.
struct RecordsOverview
{
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

    // A round of a level the game does not have, or with no valid time, is passed over.
    void add(qint64 startedAtMs, int level, RoundOutcome outcome, Presentation presentation);
    void add(const RoundRecord& round);

    int rounds = 0;
    int correct = 0;
    // Rounds read aloud.
    int spoken = 0;
    int bestLevel = 0;
    // The most digits of a correct answer; 0 before the first one.
    int longestRecalled = 0;
    // The levels played, lowest first.
    std::vector<Level> levels;
    // The level of each round in order.
    std::vector<Point> levelOverTime;
    SpanEstimator span;
};

} // namespace pabrel::records

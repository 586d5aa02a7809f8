// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>

#include <vector>

namespace pabrel::records {

// What the records window shows: totals, each level's rounds, and the level over time.
struct RecordsOverview
{
    struct Level
    {
        int level = 0;
        int rounds = 0;
        int correct = 0;
    };
    struct Day
    {
        // The player's local day.
        QDate day;
        int bestLevel = 0;
    };
    struct Point
    {
        qint64 msecsSinceEpoch = 0;
        int level = 0;
    };

    int rounds = 0;
    int correct = 0;
    int bestLevel = 0;
    // The most digits of a correct answer; 0 before the first one.
    int longestRecalled = 0;
    std::vector<Level> levels;
    std::vector<Day> days;
    // The level of each round in order. A long history is thinned to the lowest and
    // highest level of each run of consecutive rounds, which draws the same line.
    std::vector<Point> levelOverTime;
};

} // namespace pabrel::records

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

#include <optional>
#include <vector>

namespace pabrel::records {

// Follows the level staircase through the rounds and says where it turns. The game moves
// the level one step up after a right answer and one step down after a wrong one or a
// give-up, and every window climbs a staircase of its own from level 1. Two windows can
// play at once, and a clock set back mixes a sitting's rounds in time order, so each round
// joins the staircase whose last round leads to its level; a round that fits none, as after
// a restart, starts a staircase of its own, and so does the first round after a pause of
// more than ten minutes, which begins a new sitting.
class StaircaseTracker
{
public:
    static constexpr qint64 SittingGapMs = 10 * 60 * 1000;
    // A staircase's first reversals come while it is still finding the player's level.
    static constexpr int UnsettledReversals = 2;

    struct Reversal
    {
        // The digits of the round at which the staircase turned.
        int digits = 0;
        // False for the first reversals of its staircase, which say little of the span.
        bool settled = false;
    };

    // Takes the next round, normally later than the last; `right` is false for a wrong
    // answer or a give-up. Returns the reversal it made, if any.
    std::optional<Reversal> follow(qint64 startedAtMs, int level, bool right);

private:
    struct Staircase
    {
        qint64 lastStartedAtMs = 0;
        int nextLevel = 0;
        bool lastRight = false;
        int reversals = 0;
    };

    // More windows than this playing at once is not play; bad data could make thousands.
    static constexpr std::size_t MaxRunning = 8;

    // The staircase played last at the end.
    std::vector<Staircase> running_;
};

} // namespace pabrel::records

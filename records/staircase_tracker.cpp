// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "staircase_tracker.h"

#include "game_state.h"

#include <algorithm>

namespace pabrel::records {

namespace {

int levelAfter(int level, bool right)
{
    return std::clamp(level + (right ? 1 : -1), int{MinLevel}, int{MaxLevel});
}

} // namespace

std::optional<StaircaseTracker::Reversal> StaircaseTracker::follow(qint64 startedAtMs, int level,
                                                                   bool right)
{
    // A pause of over ten minutes ends a sitting; a round from before the last, as after the
    // clock was set back, does not. The difference is taken unsigned, which cannot overflow
    // whatever times a damaged file holds.
    std::erase_if(running_, [startedAtMs](const Staircase& staircase) {
        return startedAtMs > staircase.lastStartedAtMs &&
               quint64(startedAtMs) - quint64(staircase.lastStartedAtMs) > SittingGapMs;
    });
    // Where two fit, the one played last is the likelier: a window restarted within the
    // sitting leaves its old staircase behind.
    const auto found = std::find_if(running_.rbegin(), running_.rend(),
                                    [level](const Staircase& s) { return s.nextLevel == level; });
    Staircase staircase;
    std::optional<Reversal> reversal;
    if (found != running_.rend()) {
        staircase = *found;
        running_.erase(std::next(found).base());
        if (right != staircase.lastRight) {
            reversal = Reversal{level + 1, staircase.reversals >= UnsettledReversals};
            ++staircase.reversals;
        }
    } else if (running_.size() == MaxRunning) {
        running_.erase(running_.begin());
    }
    staircase.lastStartedAtMs = startedAtMs;
    staircase.nextLevel = levelAfter(level, right);
    staircase.lastRight = right;
    running_.push_back(staircase);
    return reversal;
}

} // namespace pabrel::records

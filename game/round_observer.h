// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "recall_order.h"

#include <string>

namespace pabrel {

enum class RoundOutcome
{
    Correct,
    Wrong,
    GaveUp,
};

// A round as the game knows it when it judges it, before the level moves on.
struct JudgedRound
{
    int level = 1;
    // The digits shown, as digit characters: "4821".
    std::string shown;
    RoundOutcome outcome = RoundOutcome::Wrong;
    // How long the level keeps its digits on show.
    int displayMs = 0;
    // False for a round given up while its digits were still on show.
    bool masked = false;
    RecallOrder order = RecallOrder::Forward;
};

// Told of each round's milestones by the game, for anyone who keeps track of play. A round
// cut short by quitting is never judged.
class RoundObserver
{
public:
    virtual ~RoundObserver() = default;

    // The digits have just been put in the boxes.
    virtual void questionShown() = 0;
    // The mask has just replaced them and the answer is awaited.
    virtual void questionMasked() = 0;
    virtual void roundJudged(const JudgedRound& round) = 0;
};

} // namespace pabrel

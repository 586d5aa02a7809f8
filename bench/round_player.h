// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "event_timer.h"
#include "timer_periods.h"

#include <QObject>

#include <functional>
#include <random>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pabrel::ui {
class Form1;
} // namespace pabrel::ui

namespace pabrel::bench {

// Plays rounds in a real window with the mouse and keyboard events a player would cause,
// and keeps every flash it saw with the level it was shown at.
class RoundPlayer : public QObject
{
    Q_OBJECT

public:
    enum class Plan
    {
        // Always wrong, so every flash is at level 1.
        StayAtLevelOne,
        // Right up to level 3, then wrong at 3 and right at 2, over and over.
        HoverAtLevelThree,
        // Right or wrong by the toss of a coin, with keys of every kind.
        RandomAnswers,
    };

    struct Flash
    {
        int level;
        double shownMs;
    };

    RoundPlayer(ui::Form1& form, unsigned seed);

    // The countdown and the pause after a result only set the pace of play; shortening
    // them leaves the flash, which the game times itself, as it is.
    void shortenCountdownAndPause(int milliseconds);
    void setClock(ui::EventTimer::Clock clock);
    // Plays until `flashes` flashes were seen at the plan's level (every level for random
    // answers); calls `afterRound` after each round.
    void play(Plan plan, int flashes, const std::function<void(int round)>& afterRound = {});

    const std::vector<Flash>& flashes() const { return flashes_; }

private:
    void startRound();
    void countdownTicked();
    void typeAnswer();
    void roundEnded();
    bool planDone() const;
    QString answerFor(int level);

    QLabel* label_;
    QPushButton* start_;
    std::vector<QLineEdit*> boxes_;
    ui::EventTimer* count_;
    ui::EventTimer* question_;
    ui::EventTimer* seikai_;
    std::mt19937 dice_;

    Plan plan_ = Plan::StayAtLevelOne;
    int countdownMs_ = CountTickMs;
    int wanted_ = 0;
    int rounds_ = 0;
    int level_ = 1;
    QString shownDigits_;
    std::function<void(int)> afterRound_;
    std::vector<Flash> flashes_;
    bool done_ = false;
};

} // namespace pabrel::bench

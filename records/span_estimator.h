// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "round_kind.h"
#include "round_observer.h"
#include "span_estimate.h"
#include "span_fit.h"

#include <QDate>
#include <QTimeZone>

#include <map>

namespace pabrel::records {

// Estimates the player's digit span over any run of days from the rounds of those days,
// each kind of round apart. It takes the rounds in any order and keeps each day's
// counts of rounds and right answers level by level, so that a long history builds quickly
// and adding a round and asking again costs next to nothing. It uses Qt Core alone and may
// be built on one thread and used on another.
class SpanEstimator
{
public:
    static constexpr int WeekDays = 7;

    // Days are counted in `zone`: the player's own unless a test says otherwise.
    explicit SpanEstimator(const QTimeZone& zone = QTimeZone::systemTimeZone());

    // A round of a level the game does not have is passed over.
    void add(qint64 startedAtMs, int level, RoundOutcome outcome, RoundKind kind);

    // From `first` to `last`, both included.
    SpanEstimate days(QDate first, QDate last, RoundKind kind) const;
    // The seven days up to `lastDay`: week(today) is the last seven days' figure, and
    // week(today.addDays(-7)) that of the seven before.
    SpanEstimate week(QDate lastDay, RoundKind kind) const;
    // Every day with a round of `kind`, earliest first.
    std::vector<QDate> playedDays(RoundKind kind) const;

private:
    using DayCounts = std::array<LevelCounts, RoundKindCount>;

    QDate localDay(qint64 msecsSinceEpoch);

    QTimeZone zone_;
    std::map<QDate, DayCounts> days_;
    // The day of the last round and where it starts and ends, which most rounds share.
    QDate lastDay_;
    qint64 lastDayStartMs_ = 0;
    qint64 lastDayEndMs_ = 0;
};

} // namespace pabrel::records

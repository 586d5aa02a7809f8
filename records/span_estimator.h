// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "round_record.h"
#include "span_estimate.h"
#include "staircase_tracker.h"

#include <QDate>
#include <QTimeZone>

#include <map>

namespace pabrel::records {

// Estimates the player's digit span from the level staircase of their rounds: the mean
// number of digits at its reversals, leaving out the first two of each staircase. It takes
// the rounds one by one, oldest first, and keeps a few counts for each day played, so that
// a long history builds quickly and adding a round and asking again costs next to nothing.
// It uses Qt Core alone and may be built on one thread and used on another.
class SpanEstimator
{
public:
    // The fewest counted reversals that give a number, and the fewest answers at the top or
    // bottom level that say the span lies beyond it.
    static constexpr int MinimumEvidence = 4;

    // Days are counted in `zone`: the player's own unless a test says otherwise.
    explicit SpanEstimator(const QTimeZone& zone = QTimeZone::systemTimeZone());

    void add(qint64 startedAtMs, int level, RoundOutcome outcome);
    // A round with no valid time, level or outcome is passed over.
    void add(const RoundRecord& round);

    SpanEstimate day(QDate day) const;
    // From `first` to `last`, both included.
    SpanEstimate days(QDate first, QDate last) const;
    // The seven days up to `lastDay`: week(today) is this week's figure, and
    // week(today.addDays(-7)) that of the week before.
    SpanEstimate week(QDate lastDay) const;
    // Every day with a round, earliest first.
    std::vector<QDate> playedDays() const;

private:
    struct Tally
    {
        // Right and wrong answers at the top and the bottom level; a give-up moves the
        // staircase down like a wrong answer but is no answer, and says nothing of the span
        // at either end of the levels.
        int answeredAtTop = 0;
        int rightAtTop = 0;
        int answeredAtBottom = 0;
        int wrongAtBottom = 0;
        // The counted reversals, with the sums of their digits and of those squared.
        int reversals = 0;
        qint64 digitSum = 0;
        qint64 digitSquareSum = 0;

        Tally& operator+=(const Tally& other);
    };

    static SpanEstimate estimate(const Tally& tally);
    QDate localDay(qint64 msecsSinceEpoch);

    QTimeZone zone_;
    StaircaseTracker staircases_;
    std::map<QDate, Tally> days_;
    // The day of the last round and where it starts and ends, which most rounds share.
    QDate lastDay_;
    qint64 lastDayStartMs_ = 0;
    qint64 lastDayEndMs_ = 0;
};

} // namespace pabrel::records

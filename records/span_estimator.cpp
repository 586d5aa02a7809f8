// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "span_estimator.h"

#include <cmath>

namespace pabrel::records {

// An unknown zone, as from a TZ that names none, has no days at all; the C library counts
// local time as UTC then, and so does this.
SpanEstimator::SpanEstimator(const QTimeZone& zone)
    : zone_(zone.isValid() ? zone : QTimeZone::utc())
{
}

void SpanEstimator::add(const RoundRecord& round)
{
    if (const auto outcome = outcomeNamed(round.outcome); outcome && round.startedAt.isValid()) {
        add(round.startedAt.toMSecsSinceEpoch(), round.level, *outcome);
    }
}

void SpanEstimator::add(qint64 startedAtMs, int level, RoundOutcome outcome)
{
    const bool right = outcome == RoundOutcome::Correct;
    const bool wrong = outcome == RoundOutcome::Wrong;
    if (level < MinLevel || level > MaxLevel) {
        return;
    }
    const QDate day = localDay(startedAtMs);
    if (!day.isValid()) {
        return;
    }
    Tally& tally = days_[day];
    if (right || wrong) {
        tally.answeredAtTop += level == MaxLevel;
        tally.rightAtTop += right && level == MaxLevel;
        tally.answeredAtBottom += level == MinLevel;
        tally.wrongAtBottom += wrong && level == MinLevel;
    }
    const auto reversal = staircases_.follow(startedAtMs, level, right);
    if (reversal && reversal->settled) {
        ++tally.reversals;
        tally.digitSum += reversal->digits;
        tally.digitSquareSum += reversal->digits * reversal->digits;
    }
}

SpanEstimate SpanEstimator::day(QDate day) const
{
    const auto found = days_.find(day);
    return found == days_.end() ? SpanEstimate{} : estimate(found->second);
}

SpanEstimate SpanEstimator::days(QDate first, QDate last) const
{
    if (last < first) {
        return {};
    }
    Tally total;
    const auto end = days_.upper_bound(last);
    for (auto it = days_.lower_bound(first); it != end; ++it) {
        total += it->second;
    }
    return estimate(total);
}

SpanEstimate SpanEstimator::week(QDate lastDay) const
{
    return days(lastDay.addDays(-6), lastDay);
}

std::vector<QDate> SpanEstimator::playedDays() const
{
    std::vector<QDate> played;
    played.reserve(days_.size());
    for (const auto& [day, tally] : days_) {
        played.push_back(day);
    }
    return played;
}

SpanEstimator::Tally& SpanEstimator::Tally::operator+=(const Tally& other)
{
    answeredAtTop += other.answeredAtTop;
    rightAtTop += other.rightAtTop;
    answeredAtBottom += other.answeredAtBottom;
    wrongAtBottom += other.wrongAtBottom;
    reversals += other.reversals;
    digitSum += other.digitSum;
    digitSquareSum += other.digitSquareSum;
    return *this;
}

SpanEstimate SpanEstimator::estimate(const Tally& tally)
{
    SpanEstimate span;
    span.reversals = tally.reversals;
    // At the ends of the levels the staircase cannot follow the player any further, and its
    // reversals would put the span inside the range the game asks about. Most answers right
    // at the top level put the player's half-way point above it, however often the
    // staircase fell back to the level below.
    if (tally.rightAtTop >= MinimumEvidence && 2 * tally.rightAtTop > tally.answeredAtTop) {
        span.kind = SpanEstimate::Kind::AtLeastCeiling;
    } else if (tally.wrongAtBottom >= MinimumEvidence &&
               2 * tally.wrongAtBottom > tally.answeredAtBottom) {
        span.kind = SpanEstimate::Kind::AtMostFloor;
    } else if (tally.reversals >= MinimumEvidence) {
        const qint64 n = tally.reversals;
        // n² times the variance of the digits, exact in integers.
        const qint64 spread = n * tally.digitSquareSum - tally.digitSum * tally.digitSum;
        span.kind = SpanEstimate::Kind::Digits;
        span.digits = double(tally.digitSum) / double(n);
        span.standardError = std::sqrt(double(spread) / (double(n) * double(n) * double(n - 1)));
    }
    return span;
}

QDate SpanEstimator::localDay(qint64 msecsSinceEpoch)
{
    if (msecsSinceEpoch < lastDayStartMs_ || msecsSinceEpoch >= lastDayEndMs_) {
        lastDay_ = QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, zone_).date();
        lastDayStartMs_ = lastDay_.startOfDay(zone_).toMSecsSinceEpoch();
        lastDayEndMs_ = lastDay_.addDays(1).startOfDay(zone_).toMSecsSinceEpoch();
    }
    return lastDay_;
}

} // namespace pabrel::records

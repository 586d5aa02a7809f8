// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "span_estimator.h"

namespace pabrel::records {

// An unknown zone, as from a TZ that names none, has no days at all; the C library counts
// local time as UTC then, and so does this.
SpanEstimator::SpanEstimator(const QTimeZone& zone)
    : zone_(zone.isValid() ? zone : QTimeZone::utc())
{
}

void SpanEstimator::add(qint64 startedAtMs, int level, RoundOutcome outcome, RoundKind kind)
{
    if (level < MinLevel || level > MaxLevel) {
        return;
    }
    const QDate day = localDay(startedAtMs);
    if (!day.isValid()) {
        return;
    }
    LevelCounts& counts = days_[day].at(kind.index());
    ++counts.answered[level - 1];
    counts.right[level - 1] += outcome == RoundOutcome::Correct;
}

SpanEstimate SpanEstimator::days(QDate first, QDate last, RoundKind kind) const
{
    LevelCounts total;
    const auto end = days_.upper_bound(last);
    for (auto it = days_.lower_bound(first); first <= last && it != end; ++it) {
        total += it->second.at(kind.index());
    }
    return fitSpan(total);
}

SpanEstimate SpanEstimator::week(QDate lastDay, RoundKind kind) const
{
    return days(lastDay.addDays(1 - WeekDays), lastDay, kind);
}

std::vector<QDate> SpanEstimator::playedDays(RoundKind kind) const
{
    std::vector<QDate> played;
    for (const auto& [day, counts] : days_) {
        if (counts.at(kind.index()).rounds() > 0) {
            played.push_back(day);
        }
    }
    return played;
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

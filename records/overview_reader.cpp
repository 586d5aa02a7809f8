// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "overview_reader.h"

#include "record_store.h"
#include "transaction.h"

#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace pabrel::records {

std::optional<RecordError> OverviewReader::read(RecordsOverview& overview, int maxPoints)
{
    overview = {};
    // One read transaction, so that the figures agree with each other while another
    // window records.
    Transaction transaction(store_.database());
    if (!transaction.isActive()) {
        return store_.error(transaction.error());
    }
    std::optional<RecordError> failure = readLevels(overview);
    if (!failure) {
        failure = readDays(overview);
    }
    if (!failure) {
        failure = readLevelOverTime(overview, maxPoints);
    }
    return failure;
}

std::optional<RecordError> OverviewReader::readLevels(RecordsOverview& overview)
{
    QSqlQuery query(store_.database());
    if (auto failure = store_.run(query, QStringLiteral("SELECT level, count(*), total(outcome = "
                                                        "'correct') FROM rounds GROUP BY level"))) {
        return failure;
    }
    // The totals follow from the levels: a question at level n has n + 1 digits.
    while (query.next()) {
        const RecordsOverview::Level level{query.value(0).toInt(), query.value(1).toInt(),
                                           query.value(2).toInt()};
        overview.levels.push_back(level);
        overview.rounds += level.rounds;
        overview.correct += level.correct;
        overview.bestLevel = std::max(overview.bestLevel, level.level);
        if (level.correct > 0) {
            overview.longestRecalled = std::max(overview.longestRecalled, level.level + 1);
        }
    }
    return std::nullopt;
}

// Every time zone is a whole number of quarter hours from UTC, so each quarter hour of
// UTC falls within one local day: only one round of each needs turning into local time.
std::optional<RecordError> OverviewReader::readDays(RecordsOverview& overview)
{
    QSqlQuery query(store_.database());
    query.setForwardOnly(true);
    if (auto failure =
            store_.run(query, QStringLiteral("SELECT day, max(best) FROM ("
                                             " SELECT date(min(started_at), 'localtime') AS day,"
                                             " max(level) AS best FROM rounds"
                                             " GROUP BY substr(started_at, 1, 14),"
                                             " substr(started_at, 15, 2) / 15)"
                                             " GROUP BY day ORDER BY day"))) {
        return failure;
    }
    while (query.next()) {
        overview.days.push_back(
            {QDate::fromString(query.value(0).toString(), Qt::ISODate), query.value(1).toInt()});
    }
    return std::nullopt;
}

// Rounds are numbered in the order they were recorded, so runs of consecutive numbers are
// runs of consecutive rounds; SQLite does the thinning and the date arithmetic.
std::optional<RecordError> OverviewReader::readLevelOverTime(RecordsOverview& overview,
                                                             int maxPoints)
{
    QSqlQuery query(store_.database());
    if (auto failure = store_.run(query, QStringLiteral("SELECT min(id), max(id) FROM rounds"))) {
        return failure;
    }
    query.next();
    const qint64 first = query.value(0).toLongLong();
    const qint64 span = query.value(1).toLongLong() - first + 1;
    const qint64 runLength = std::max<qint64>(1, (span * 2 + maxPoints - 1) / maxPoints);
    const QString epochMs =
        QStringLiteral("CAST(round((julianday(%1) - 2440587.5) * 86400000) AS INTEGER)");
    query.prepare(QStringLiteral("SELECT %1, %2, min(level), max(level) FROM rounds"
                                 " GROUP BY (id - ?) / ? ORDER BY min(id)")
                      .arg(epochMs.arg(QLatin1String("min(started_at)")),
                           epochMs.arg(QLatin1String("max(started_at)"))));
    query.addBindValue(first);
    query.addBindValue(runLength);
    if (auto failure = store_.run(query)) {
        return failure;
    }
    while (query.next()) {
        const int low = query.value(2).toInt();
        const int high = query.value(3).toInt();
        overview.levelOverTime.push_back({query.value(0).toLongLong(), low});
        if (runLength > 1) {
            overview.levelOverTime.push_back({query.value(1).toLongLong(), high});
        }
    }
    return std::nullopt;
}

} // namespace pabrel::records

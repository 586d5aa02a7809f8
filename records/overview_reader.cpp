// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "overview_reader.h"

#include "record_store.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace pabrel::records {

namespace {
// Times as milliseconds since the epoch, and outcomes as numbers, are the cheapest things
// for SQLite to hand over: a long history is read in one pass.
const QString Select =
    QStringLiteral(
        "SELECT CAST(round((julianday(started_at) - 2440587.5) * 86400000) AS INTEGER), level,"
        " CASE outcome WHEN 'correct' THEN %1 WHEN 'wrong' THEN %2 ELSE %3 END"
        " FROM rounds ORDER BY started_at, id")
        .arg(int(RoundOutcome::Correct))
        .arg(int(RoundOutcome::Wrong))
        .arg(int(RoundOutcome::GaveUp));
} // namespace

std::optional<RecordError> OverviewReader::read(RecordsOverview& overview)
{
    QSqlQuery query(store_.database());
    query.setForwardOnly(true);
    if (auto failure = store_.run(query, Select)) {
        return failure;
    }
    while (query.next()) {
        overview.add(query.value(0).toLongLong(), query.value(1).toInt(),
                     static_cast<RoundOutcome>(query.value(2).toInt()));
    }
    if (query.lastError().isValid()) {
        return store_.error(query.lastError());
    }
    return std::nullopt;
}

} // namespace pabrel::records

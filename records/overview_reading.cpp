// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "overview_reading.h"

#include "record_store.h"
#include "round_columns.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace pabrel::records {

namespace {
// Times as milliseconds since the epoch, and outcomes, presentations and orders as
// numbers, are the cheapest things for SQLite to hand over: a long history is read in one
// pass. The store has checked that every name is one it knows.
QString selectStatement(int schemaVersion)
{
    return QStringLiteral(
               "SELECT CAST(round((julianday(started_at) - 2440587.5) * 86400000) AS INTEGER),"
               " level, %1, %2, %3 FROM rounds ORDER BY started_at, id")
        .arg(valueNumber(OutcomeColumn, schemaVersion, Outcomes),
             valueNumber(PresentationColumn, schemaVersion, Presentations),
             valueNumber(AnswerOrderColumn, schemaVersion, RecallOrders));
}

std::optional<RecordError> addEveryRound(RecordStore& store, RecordsOverview& overview)
{
    if (auto failure = store.open(RecordStore::Opening::ExistingOnly)) {
        return failure;
    }
    QSqlQuery query(store.database());
    query.setForwardOnly(true);
    if (auto failure = store.run(query, selectStatement(store.schemaVersion()))) {
        return failure;
    }
    while (query.next()) {
        const RoundKind kind{static_cast<RecallOrder>(query.value(4).toInt()),
                             static_cast<Presentation>(query.value(3).toInt())};
        overview.add(query.value(0).toLongLong(), query.value(1).toInt(),
                     static_cast<RoundOutcome>(query.value(2).toInt()), kind);
    }
    if (query.lastError().isValid()) {
        return store.error(query.lastError());
    }
    return std::nullopt;
}
} // namespace

OverviewReading readOverview(const QString& file)
{
    RecordStore store(file);
    RecordsOverview overview;
    if (auto failure = addEveryRound(store, overview)) {
        return {std::nullopt, std::move(failure)};
    }
    return {std::move(overview), std::nullopt};
}

} // namespace pabrel::records

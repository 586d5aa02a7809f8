// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "round_reader.h"

#include "record_store.h"
#include "round_columns.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace pabrel::records {

namespace {
QString selectStatement(int schemaVersion)
{
    QStringList columns;
    for (const RoundColumn& column : RoundColumns) {
        columns.append(
            QStringLiteral("coalesce(%1, '')").arg(QLatin1String(column.read(schemaVersion))));
    }
    return QStringLiteral("SELECT %1 FROM rounds ORDER BY started_at, id")
        .arg(columns.join(QLatin1Char(',')));
}
} // namespace

std::optional<RecordError> forEachRound(RecordStore& store,
                                        const std::function<void(const QStringList&)>& visit)
{
    QSqlQuery query(store.database());
    query.setForwardOnly(true);
    if (auto failure = store.run(query, selectStatement(store.schemaVersion()))) {
        return failure;
    }
    QStringList fields;
    while (query.next()) {
        fields.clear();
        for (int column = 0; column < static_cast<int>(RoundColumns.size()); ++column) {
            fields.append(query.value(column).toString());
        }
        visit(fields);
    }
    if (query.lastError().isValid()) {
        return store.error(query.lastError());
    }
    return std::nullopt;
}

} // namespace pabrel::records

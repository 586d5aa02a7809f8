// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "csv_export.h"

#include "record_store.h"

#include <QIODevice>
#include <QStringList>

namespace pabrel::records {

namespace {
const QString Header =
    QStringLiteral("started_at,level,shown,typed,outcome,display_ms,painted_ms,answer_ms");
constexpr qsizetype FlushBytes = 64 * 1024;

QString csvLine(const RoundRecord& round)
{
    return QStringList{round.startedAt.toUTC().toString(Qt::ISODateWithMs),
                       QString::number(round.level),
                       csvField(round.shown),
                       csvField(round.typed),
                       round.outcome,
                       QString::number(round.displayMs),
                       round.paintedMs ? QString::number(*round.paintedMs, 'f', 2) : QString(),
                       round.answerMs ? QString::number(*round.answerMs) : QString()}
               .join(QLatin1Char(',')) +
           QStringLiteral("\r\n");
}
} // namespace

QString csvField(const QString& text)
{
    static const QString needsQuotes = QStringLiteral(",\"\r\n");
    for (const QChar c : text) {
        if (needsQuotes.contains(c)) {
            QString quoted = text;
            quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
            return QLatin1Char('"') + quoted + QLatin1Char('"');
        }
    }
    return text;
}

std::optional<RecordError> writeCsv(RecordStore& store, QIODevice& out)
{
    QByteArray buffer = (Header + QStringLiteral("\r\n")).toUtf8();
    auto failure = store.forEachRound([&](const RoundRecord& round) {
        buffer += csvLine(round).toUtf8();
        if (buffer.size() >= FlushBytes) {
            out.write(buffer);
            buffer.clear();
        }
    });
    out.write(buffer);
    return failure;
}

} // namespace pabrel::records

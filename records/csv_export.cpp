// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "csv_export.h"

#include "record_store.h"

#include <QIODevice>

namespace pabrel::records {

namespace {
constexpr qsizetype FlushBytes = 64 * 1024;
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
    QString line = RecordStore::ColumnNames.join(QLatin1Char(','));
    QByteArray buffer = line.toUtf8() + "\r\n";
    auto failure = store.forEachRoundAsText([&](const QStringList& fields) {
        line.clear();
        for (const QString& field : fields) {
            line += csvField(field) + QLatin1Char(',');
        }
        line.back() = QLatin1Char('\r');
        buffer += line.toUtf8() + '\n';
        if (buffer.size() >= FlushBytes) {
            out.write(buffer);
            buffer.clear();
        }
    });
    out.write(buffer);
    return failure;
}

} // namespace pabrel::records

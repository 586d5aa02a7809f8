// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "csv_export.h"

#include "record_store.h"
#include "round_columns.h"
#include "round_reader.h"

#include <QFile>
#include <QSaveFile>

namespace pabrel::records {

namespace {
constexpr qsizetype FlushBytes = 64 * 1024;
const QString StandardOutput = QStringLiteral("-");

QString headerLine()
{
    QStringList names;
    for (const RoundColumn& column : RoundColumns) {
        names.append(QLatin1String(column.name));
    }
    return names.join(QLatin1Char(','));
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
    QString line = headerLine();
    QByteArray buffer = line.toUtf8() + "\r\n";
    auto failure = forEachRound(store, [&](const QStringList& fields) {
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

std::optional<ExportFailure> exportCsv(const QString& recordsFile, const QString& target)
{
    RecordStore store(recordsFile);
    if (auto failure = store.open(RecordStore::Opening::ExistingOnly)) {
        return ExportFailure{std::move(failure), {}};
    }
    QFile console;
    QSaveFile file(target);
    QFileDevice& out = target == StandardOutput ? static_cast<QFileDevice&>(console) : file;
    const bool opened = target == StandardOutput ? console.open(stdout, QIODevice::WriteOnly)
                                                 : file.open(QIODevice::WriteOnly);
    if (!opened) {
        return ExportFailure{std::nullopt, out.errorString()};
    }
    if (auto failure = writeCsv(store, out)) {
        file.cancelWriting();
        return ExportFailure{std::move(failure), {}};
    }
    const bool written = target == StandardOutput
                             ? console.flush() && console.error() == QFileDevice::NoError
                             : file.commit();
    if (!written) {
        return ExportFailure{std::nullopt, out.errorString()};
    }
    return std::nullopt;
}

} // namespace pabrel::records

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records_options.h"

#include "csv_export.h"
#include "record_store.h"

#include <QCommandLineParser>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace pabrel::app {

namespace {
const QString StandardOutput = QStringLiteral("-");

int fail(const QString& message)
{
    std::fprintf(stderr, "pabrel: %s\n", qUtf8Printable(message));
    return 1;
}
} // namespace

void RecordsOptions::addTo(QCommandLineParser& parser) const
{
    parser.addOptions({recordsWindow_, exportCsv_, noRecords_});
}

QString RecordsOptions::conflict(const QCommandLineParser& parser) const
{
    const int chosen = int{parser.isSet(recordsWindow_)} + int{parser.isSet(exportCsv_)} +
                       int{parser.isSet(noRecords_)};
    return chosen > 1 ? QStringLiteral("--records, --export-csv and --no-records cannot be "
                                       "combined")
                      : QString();
}

bool RecordsOptions::exportRequested(const QCommandLineParser& parser) const
{
    return parser.isSet(exportCsv_);
}

bool RecordsOptions::recordsWindowOnly(const QCommandLineParser& parser) const
{
    return parser.isSet(recordsWindow_);
}

bool RecordsOptions::recordsOff(const QCommandLineParser& parser) const
{
    return parser.isSet(noRecords_);
}

int RecordsOptions::exportCsv(const QCommandLineParser& parser, const QString& recordsFile) const
{
    records::RecordStore store(recordsFile);
    if (const auto failure = store.open(records::RecordStore::Opening::ExistingOnly)) {
        return fail(failure->message());
    }
    const QString target = parser.value(exportCsv_);
    if (target == StandardOutput) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly)) {
            return fail(out.errorString());
        }
        const auto failure = records::writeCsv(store, out);
        out.flush();
        if (failure) {
            return fail(failure->message());
        }
        return out.error() == QFileDevice::NoError ? 0 : fail(out.errorString());
    }
    // The file appears whole or not at all.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) {
        return fail(QStringLiteral("%1: %2").arg(target, out.errorString()));
    }
    if (const auto failure = records::writeCsv(store, out)) {
        out.cancelWriting();
        return fail(failure->message());
    }
    return out.commit() ? 0 : fail(QStringLiteral("%1: %2").arg(target, out.errorString()));
}

} // namespace pabrel::app

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records_export.h"

#include "csv_export.h"
#include "record_store.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace pabrel::desktop {

namespace {
const QString StandardOutput = QStringLiteral("-");

int fail(const QString& message)
{
    std::fprintf(stderr, "pabrel: %s\n", qUtf8Printable(message));
    return 1;
}
} // namespace

int exportRecordsAsCsv(const QString& recordsFile, const QString& target)
{
    records::RecordStore store(recordsFile);
    if (const auto failure = store.open(records::RecordStore::Opening::ExistingOnly)) {
        return fail(failure->message());
    }
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

} // namespace pabrel::desktop

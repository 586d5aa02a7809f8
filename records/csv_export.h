// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "record_error.h"

#include <QString>

#include <optional>

class QIODevice;

namespace pabrel::records {

class RecordStore;

// exportCsv()'s own parts, public for the tests and the benchmark.
//
// One field as RFC 4180 writes it: quoted, with its quotes doubled, when it holds a comma,
// a quote or a line break; as it is otherwise.
QString csvField(const QString& text);
// Writes every round of `store`, oldest first, as UTF-8 CSV with a header row and CRLF line
// ends. Reading errors are returned; writing errors are left on `out` for the caller.
std::optional<RecordError> writeCsv(RecordStore& store, QIODevice& out);

// Why an export failed: the records could not be read, or else the target not written.
struct ExportFailure
{
    std::optional<RecordError> reading;
    QString writing;
};

// Writes every round of `recordsFile` as CSV to the file `target`, which appears whole or
// not at all; "-" is standard output.
std::optional<ExportFailure> exportCsv(const QString& recordsFile, const QString& target);

} // namespace pabrel::records

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "record_store.h"
#include "round_record.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace pabrel::testing {

// A plausible round, different for every `n`: levels, outcomes and answers vary, and one
// in five has no painted time or no answer time.
records::RoundRecord sampleRound(int n);

// How the records read `round` back, field by field as text.
QStringList asRow(const records::RoundRecord& round);

// Every round of `file`, as the records read them back; empty if it cannot be read.
std::vector<QStringList> rowsOf(const QString& file);

// The whole file, for checking that a failure left it untouched.
QByteArray fileBytes(const QString& path);

// Runs SQL on the file through a connection of its own; returns the first column of the
// first row.
QString querySql(const QString& file, const QString& statement);

// Opens a store on `file` for writing, failing the test if it cannot.
void openForWriting(records::RecordStore& store);

} // namespace pabrel::testing

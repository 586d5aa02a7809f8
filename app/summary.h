// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QString>

namespace pabrel::records {
class RecordsOverview;
} // namespace pabrel::records

namespace pabrel::app {

// The records in plain text, for `pabrel --summary`: the totals, the digit span in the
// seven days up to `today` and the seven before (and the same for rounds read aloud, if
// there are any), then each level's rounds.
QString summaryText(const records::RecordsOverview& overview, QDate today);

// Prints the summary of `recordsFile` to standard output; needs a QCoreApplication but no
// display. Returns the exit status: 1, with a message on standard error, where there are
// no records or they cannot be read.
int printSummary(const QString& recordsFile);

} // namespace pabrel::app

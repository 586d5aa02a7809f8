// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace pabrel::desktop {

// Writes every recorded round of `recordsFile` as CSV to the file `target`, "-" meaning
// standard output. Needs a QCoreApplication but no display. Returns the exit status; on
// failure a message has gone to standard error.
int exportRecordsAsCsv(const QString& recordsFile, const QString& target);

} // namespace pabrel::desktop

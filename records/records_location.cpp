// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records_location.h"

#include <QDir>

namespace pabrel::records {

QString defaultRecordsFile()
{
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    // A relative XDG_DATA_HOME is not a place the desktop would use: fall back to the default.
    if (dataHome.isEmpty() || QDir::isRelativePath(dataHome)) {
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    }
    return QDir::cleanPath(dataHome + QStringLiteral("/pabrel/records.sqlite3"));
}

} // namespace pabrel::records

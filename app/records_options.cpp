// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records_options.h"

#include <QCommandLineParser>

namespace pabrel::app {

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

QString RecordsOptions::exportTarget(const QCommandLineParser& parser) const
{
    return parser.value(exportCsv_);
}

} // namespace pabrel::app

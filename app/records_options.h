// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCommandLineOption>
#include <QString>

class QCommandLineParser;

namespace pabrel::app {

// The command line's options about the player's records, and the export that runs
// without a display.
class RecordsOptions
{
public:
    void addTo(QCommandLineParser& parser) const;

    // Options that cannot go together, as a message; empty if none.
    QString conflict(const QCommandLineParser& parser) const;
    bool exportRequested(const QCommandLineParser& parser) const;
    bool recordsWindowOnly(const QCommandLineParser& parser) const;
    bool recordsOff(const QCommandLineParser& parser) const;

    // Where the export goes: a file name, or "-" for standard output.
    QString exportTarget(const QCommandLineParser& parser) const;

private:
    QCommandLineOption recordsWindow_{QStringLiteral("records"),
                                      QStringLiteral("Open only the records window.")};
    QCommandLineOption exportCsv_{
        QStringLiteral("export-csv"),
        QStringLiteral("Write every recorded round as CSV to <file> (- for standard output) "
                       "and exit."),
        QStringLiteral("file")};
    QCommandLineOption noRecords_{QStringLiteral("no-records"),
                                  QStringLiteral("Play without reading or writing records.")};
};

} // namespace pabrel::app

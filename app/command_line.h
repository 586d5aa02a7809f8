// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "languages.h"
#include "recall_order.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

namespace pabrel::app {

// What the command line asks of the program.
struct LaunchRequest
{
    enum class Action
    {
        Play,
        // Only the records window.
        ShowRecords,
        // The records as CSV to `exportTarget`, with no display.
        ExportCsv,
        // A summary of the records on standard output, with no display.
        PrintSummary,
        ShowHelp,
        ShowVersion,
        // The command line cannot be understood; `error` says why.
        Refuse,
    };

    Action action = Action::Play;
    QString error;
    // A file name, or "-" for standard output.
    QString exportTarget;
    // Play without reading or writing records.
    bool recordsOff = false;
    // Play in the listening mode, and remember it.
    bool listening = false;
    // The language to show, and remember; none given, the remembered or the desktop's.
    std::optional<Language> language;
    // The order in which to answer, and remember; none given, the remembered one.
    std::optional<RecallOrder> order;
};

// Every option of the program. The command line is read before the program connects to a
// display, so that asking for help or the version, a mistyped option or the export needs
// none. Qt's own window options (-platform, -style and the like) are accepted and left to
// Qt. What it says to a person (help, mistakes) is in the language of the translators
// installed when it is made.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(pabrel::app::CommandLine)

public:
    CommandLine();

    // `arguments` as the program received them, its own name first.
    LaunchRequest parse(const QStringList& arguments);

    // What `--help` prints; `program` is the name to show in the usage line.
    QString helpText(const QString& program) const;
    static QString versionText();

    // Prints what `request` asks for, or why it is refused, and gives the exit status; empty
    // when the program is to go on.
    std::optional<int> answer(const LaunchRequest& request, const QString& program) const;

private:
    LaunchRequest requestFromOptions() const;

    QCommandLineParser parser_;
    QCommandLineOption help_;
    QCommandLineOption version_;
    QCommandLineOption records_;
    QCommandLineOption exportCsv_;
    QCommandLineOption summary_;
    QCommandLineOption noRecords_;
    QCommandLineOption listen_;
    QCommandLineOption lang_;
    QCommandLineOption order_;
};

} // namespace pabrel::app

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
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
        ShowHelp,
        ShowVersion,
        // The command line cannot be understood; `error` says why.
        Refuse,
    };

    Action action = Action::Play;
    QString error;
};

// The program's options. The command line is read before the program connects to a
// display, so that asking for help or the version, or a mistyped option, needs none.
// Qt's own window options (-platform, -style and the like) are accepted and left to Qt.
class CommandLine
{
public:
    CommandLine();

    // Other groups of options add themselves here before parse(), and read their values
    // from it afterwards.
    QCommandLineParser& parser() { return parser_; }

    // `arguments` as the program received them, its own name first.
    LaunchRequest parse(const QStringList& arguments);

    // What `--help` prints; `program` is the name to show in the usage line.
    QString helpText(const QString& program) const;
    static QString versionText();

    // Prints what `request` asks for, or why it is refused, and gives the exit status; empty
    // when the game is to be played.
    std::optional<int> answer(const LaunchRequest& request, const QString& program) const;

private:
    QCommandLineParser parser_;
    QCommandLineOption help_;
    QCommandLineOption version_;
};

} // namespace pabrel::app

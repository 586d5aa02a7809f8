// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

namespace pabrel::app {

namespace {
// Qt reads these from the same command line when it sets up the window system.
const QStringList qtOptionsWithValue{
    QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"),    QStringLiteral("style"),
    QStringLiteral("stylesheet"),      QStringLiteral("display"),
    QStringLiteral("geometry"),        QStringLiteral("session"),
};
const QStringList qtFlags{QStringLiteral("reverse"), QStringLiteral("widgetcount")};

LaunchRequest requestTo(LaunchRequest::Action action, const QString& error = {})
{
    LaunchRequest request;
    request.action = action;
    request.error = error;
    return request;
}

LaunchRequest refused(const QString& why)
{
    return requestTo(LaunchRequest::Action::Refuse, why);
}

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}
} // namespace

CommandLine::CommandLine()
    : help_({QStringLiteral("h"), QStringLiteral("help")},
            QStringLiteral("Show this help and exit.")),
      version_({QStringLiteral("v"), QStringLiteral("version")},
               QStringLiteral("Show the version and exit.")),
      records_(QStringLiteral("records"), QStringLiteral("Open only the records window.")),
      exportCsv_(QStringLiteral("export-csv"),
                 QStringLiteral("Write every recorded round as CSV to <file> (- for standard "
                                "output) and exit."),
                 QStringLiteral("file")),
      summary_(QStringLiteral("summary"),
               QStringLiteral("Print the records in brief (rounds, share correct, best level, "
                              "digit span now and a week before, each level) and exit.")),
      noRecords_(QStringLiteral("no-records"),
                 QStringLiteral("Play without reading or writing records.")),
      listen_(QStringLiteral("listen"),
              QStringLiteral("Play in the listening mode (Listen and Remember, 聞いて覚える): the "
                             "digits are spoken, one a second, instead of being shown; "
                             "remembered for the next start.")),
      lang_(QStringLiteral("lang"),
            QStringLiteral("Show the game in <language>: ja (Japanese) or en (English); "
                           "remembered for the next start. Without it, the language last "
                           "chosen, or else the desktop's."),
            QStringLiteral("language")),
      order_(QStringLiteral("order"),
             QStringLiteral("Answer in <order>: forward (as shown), backward (last digit first) "
                            "or ascending (smallest first); each order has its own level. "
                            "Remembered for the next start."),
             QStringLiteral("order"))
{
    parser_.setApplicationDescription(
        QStringLiteral("Pabrel (記憶ゲーム), a memory game: a row of digits flashes for a moment;\n"
                       "type it back from memory. Started without options, it opens the game's\n"
                       "window."));
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOptions(
        {help_, version_, records_, exportCsv_, summary_, noRecords_, listen_, lang_, order_});
    for (const QString& name : qtOptionsWithValue) {
        QCommandLineOption option(name, QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser_.addOption(option);
    }
    for (const QString& name : qtFlags) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser_.addOption(option);
    }
}

LaunchRequest CommandLine::parse(const QStringList& arguments)
{
    if (!parser_.parse(arguments)) {
        return refused(parser_.errorText());
    }
    if (parser_.isSet(help_)) {
        return requestTo(LaunchRequest::Action::ShowHelp);
    }
    if (parser_.isSet(version_)) {
        return requestTo(LaunchRequest::Action::ShowVersion);
    }
    if (!parser_.positionalArguments().isEmpty()) {
        return refused(
            QStringLiteral("unexpected argument '%1'").arg(parser_.positionalArguments().first()));
    }
    return requestFromOptions();
}

LaunchRequest CommandLine::requestFromOptions() const
{
    const int recordsChoices = int{parser_.isSet(records_)} + int{parser_.isSet(exportCsv_)} +
                               int{parser_.isSet(summary_)} + int{parser_.isSet(noRecords_)};
    if (recordsChoices > 1) {
        return refused(QStringLiteral(
            "--records, --export-csv, --summary and --no-records cannot be combined"));
    }
    LaunchRequest request;
    if (parser_.isSet(records_)) {
        request.action = LaunchRequest::Action::ShowRecords;
    } else if (parser_.isSet(exportCsv_)) {
        request.action = LaunchRequest::Action::ExportCsv;
        request.exportTarget = parser_.value(exportCsv_);
    } else if (parser_.isSet(summary_)) {
        request.action = LaunchRequest::Action::PrintSummary;
    }
    request.recordsOff = parser_.isSet(noRecords_);
    request.listening = parser_.isSet(listen_);
    if (parser_.isSet(lang_)) {
        request.language = languageWithCode(parser_.value(lang_).toStdString());
        if (!request.language) {
            return refused(QStringLiteral("unknown language '%1' for --lang (ja or en)")
                               .arg(parser_.value(lang_)));
        }
    }
    if (parser_.isSet(order_)) {
        request.order = recallOrderWithCode(parser_.value(order_).toStdString());
        if (!request.order) {
            return refused(
                QStringLiteral("unknown order '%1' for --order (forward, backward or ascending)")
                    .arg(parser_.value(order_)));
        }
    }
    return request;
}

QString CommandLine::helpText(const QString& program) const
{
    // Without an application object the parser cannot know the program's name.
    QString text = parser_.helpText();
    text.replace(QStringLiteral("<executable_name>"), program);
    return text;
}

QString CommandLine::versionText()
{
    return QCoreApplication::applicationName() + QLatin1Char(' ') +
           QCoreApplication::applicationVersion() + QLatin1Char('\n');
}

std::optional<int> CommandLine::answer(const LaunchRequest& request, const QString& program) const
{
    const QString name = QFileInfo(program).fileName();
    switch (request.action) {
    case LaunchRequest::Action::Play:
    case LaunchRequest::Action::ShowRecords:
    case LaunchRequest::Action::ExportCsv:
    case LaunchRequest::Action::PrintSummary:
        return std::nullopt;
    case LaunchRequest::Action::ShowHelp:
        print(stdout, helpText(name));
        return EXIT_SUCCESS;
    case LaunchRequest::Action::ShowVersion:
        print(stdout, versionText());
        return EXIT_SUCCESS;
    case LaunchRequest::Action::Refuse:
        print(stderr, QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n")
                          .arg(name, request.error));
        return 2;
    }
    return 2;
}

} // namespace pabrel::app

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
    : help_({QStringLiteral("h"), QStringLiteral("help")}, tr("このヘルプを表示して終了します。")),
      version_({QStringLiteral("v"), QStringLiteral("version")},
               tr("バージョンを表示して終了します。")),
      records_(QStringLiteral("records"), tr("記録の画面だけを開きます。")),
      exportCsv_(QStringLiteral("export-csv"),
                 tr("すべての回を CSV で <file> に書き出して終了します（- なら標準出力）。"),
                 QStringLiteral("file")),
      summary_(QStringLiteral("summary"), tr("記録の要約（回数、正解率、最高レベル、記憶スパン、レ"
                                             "ベルごとの成績）を表示して終了します。")),
      noRecords_(QStringLiteral("no-records"), tr("記録を読み書きせずに遊びます。")),
      listen_(QStringLiteral("listen"),
              tr("「聞いて覚える」で遊びます（数字は1秒に1つずつ読み上げ）。次回も続きます。")),
      lang_(QStringLiteral("lang"),
            tr("ゲームの言語を <language> にします: ja（日本語）か en（英語）。次回も続きます。"
               "指定がなければ、前に選んだ言語か、デスクトップの言語です。"),
            QStringLiteral("language")),
      order_(QStringLiteral("order"),
             tr("答え方を <order> にします: "
                "forward（そのまま）、backward（逆から）、ascending（小さい順）。"
                "答え方ごとにレベルがあります。次回も続きます。"),
             QStringLiteral("order"))
{
    parser_.setApplicationDescription(
        tr("Pabrel（記憶ゲーム）: 一瞬だけ表示される数字の列を覚えて、入力するゲームです。\n"
           "オプションを付けずに起動すると、ゲームの画面が開きます。"));
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
    if (parser_.isSet(help_) || parser_.isSet(version_)) {
        LaunchRequest request =
            requestTo(parser_.isSet(help_) ? LaunchRequest::Action::ShowHelp
                                           : LaunchRequest::Action::ShowVersion);
        // Help in the language asked for, where it is one the game speaks.
        request.language = languageWithCode(parser_.value(lang_).toStdString());
        return request;
    }
    if (!parser_.positionalArguments().isEmpty()) {
        return refused(tr("予期しない引数 '%1'").arg(parser_.positionalArguments().first()));
    }
    return requestFromOptions();
}

LaunchRequest CommandLine::requestFromOptions() const
{
    const int recordsChoices = int{parser_.isSet(records_)} + int{parser_.isSet(exportCsv_)} +
                               int{parser_.isSet(summary_)} + int{parser_.isSet(noRecords_)};
    if (recordsChoices > 1) {
        return refused(tr("--records、--export-csv、--summary、--no-records は同時に使えません"));
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
            return refused(
                tr("--lang の言語 '%1' は使えません（ja か en）").arg(parser_.value(lang_)));
        }
    }
    if (parser_.isSet(order_)) {
        request.order = recallOrderWithCode(parser_.value(order_).toStdString());
        if (!request.order) {
            return refused(tr("--order の答え方 '%1' は使えません（forward、backward、ascending）")
                               .arg(parser_.value(order_)));
        }
    }
    return request;
}

QString CommandLine::helpText(const QString& program) const
{
    // The parser names the program as it was called, or, without an application object, not
    // at all.
    QString text = parser_.helpText();
    text.replace(QCoreApplication::instance() != nullptr ? QCoreApplication::arguments().first()
                                                         : QStringLiteral("<executable_name>"),
                 program);
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
        print(stderr,
              QStringLiteral("%1: %2\n%3\n")
                  .arg(name, request.error, tr("詳しくは '%1 --help' を見てください。").arg(name)));
        return 2;
    }
    return 2;
}

} // namespace pabrel::app

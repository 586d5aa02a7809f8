// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "built_in_pictures.h"
#include "clock_random_source.h"
#include "command_line.h"
#include "csv_export.h"
#include "deferred_pictures.h"
#include "desktop_bell.h"
#include "display_guard.h"
#include "event_timer_factory.h"
#include "form1.h"
#include "language.h"
#include "listening_mode.h"
#include "order_switch.h"
#include "realtime_boost.h"
#include "record_keeping.h"
#include "records_location.h"
#include "records_window.h"
#include "summary.h"
#include "translations.h"

#ifdef PABREL_HAVE_SPEECH_DISPATCHER
#include "speech_dispatcher_client.h"
#endif

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>

using pabrel::Language;
using pabrel::RecallOrder;
using pabrel::app::LaunchRequest;

namespace {
QStringList argumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

std::unique_ptr<QApplication> connectToDisplay(int& argc, char** argv)
{
    const pabrel::app::DisplayGuard guard(argv[0]);
    return std::make_unique<QApplication>(argc, argv);
}

// Only a broken build or installation lacks a picture: say which, on the terminal and to
// whoever started the game from the desktop's menu.
void reportMissingPicture(const QString& what)
{
    std::fprintf(stderr, "pabrel: cannot run: %s\n", qPrintable(what));
    std::fflush(stderr);
    QMessageBox::critical(
        nullptr, QStringLiteral("Pabrel"),
        QCoreApplication::translate("main", "ゲームの絵が読み込めないため、起動できません。\n\n%1")
            .arg(what));
}

// A language given to start the game is remembered, as one chosen from its menu is; one
// given to a command that opens no game window is for that command alone.
Language languageFor(const LaunchRequest& request)
{
    if (!request.language) {
        return pabrel::ui::startingLanguage(QLocale::system().uiLanguages());
    }
    if (request.action == LaunchRequest::Action::Play) {
        pabrel::ui::storeLanguage(*request.language);
    }
    return *request.language;
}

// The order is only asked for to play, and remembered as one chosen from the menu is.
RecallOrder orderFor(const LaunchRequest& request)
{
    if (request.order) {
        pabrel::ui::storeOrder(*request.order);
    }
    return pabrel::ui::storedOrder().value_or(RecallOrder::Forward);
}

int exportCsv(const QString& recordsFile, const QString& target)
{
    const auto failure = pabrel::records::exportCsv(recordsFile, target);
    if (!failure) {
        return EXIT_SUCCESS;
    }
    const QString why = failure->reading
                            ? failure->reading->line(pabrel::records::RecordError::Use::Reading)
                            : QCoreApplication::translate("main", "%1 に書き出せませんでした（%2）")
                                  .arg(target, failure->writing);
    std::fprintf(stderr, "pabrel: %s\n", qUtf8Printable(why));
    return EXIT_FAILURE;
}

// Read again now that the translators are in, so that help and mistakes are in the player's
// language.
int answerOnTheTerminal(const QStringList& arguments, const QString& recordsFile)
{
    pabrel::app::CommandLine commandLine;
    const LaunchRequest request = commandLine.parse(arguments);
    if (const auto status = commandLine.answer(request, arguments.first())) {
        return *status;
    }
    if (request.action == LaunchRequest::Action::ExportCsv) {
        return exportCsv(recordsFile, request.exportTarget);
    }
    return pabrel::app::printSummary(recordsFile);
}

int showRecords(const QString& recordsFile)
{
    pabrel::ui::LaterPictures icon;
    try {
        icon = pabrel::ui::laterPictures();
    } catch (const std::exception& error) {
        reportMissingPicture(QString::fromStdString(error.what()));
        return EXIT_FAILURE;
    }
    pabrel::desktop::RecordsWindow window(recordsFile);
    window.setWindowIcon(QIcon(icon.icon));
    window.show();
    return QApplication::exec();
}

int play(const LaunchRequest& request, pabrel::ui::Translations& translations,
         const QString& recordsFile)
{
    const Language language = translations.language();
    const RecallOrder order = orderFor(request);
    pabrel::ui::FormPictures pictures;
    try {
        pictures = pabrel::ui::firstFramePictures(language, order);
    } catch (const std::exception& error) {
        reportMissingPicture(QString::fromStdString(error.what()));
        return EXIT_FAILURE;
    }
    // What the window takes from the program: made before it, they outlive it.
    pabrel::ClockRandomSource random;
    pabrel::desktop::DesktopBell bell;
    pabrel::ui::EventTimerFactory timers;
    pabrel::realtime::RealtimeBoost boost;
    pabrel::ui::Form1 form(pictures, {random, bell, timers, boost, translations});
    QObject::connect(&form, &pabrel::ui::Form1::unloaded, qApp, &QCoreApplication::quit);

    pabrel::ui::ListeningMode* listening = form.listeningMode();
#ifdef PABREL_HAVE_SPEECH_DISPATCHER
    listening->setSpeechFactory(
        [] { return std::make_unique<pabrel::desktop::SpeechDispatcherClient>(); });
#endif
    const auto* later = new pabrel::ui::DeferredPictures(
        form, [language, order] { return pabrel::ui::laterPictures(language, order); });
    const auto stop = [](const QString& what) {
        reportMissingPicture(what);
        QCoreApplication::exit(EXIT_FAILURE);
    };
    QObject::connect(later, &pabrel::ui::DeferredPictures::failed, qApp, stop);
    QObject::connect(&form, &pabrel::ui::Form1::picturesFailed, qApp, stop);
    // What the first frame does not need comes once it is out, long before a round can.
    QObject::connect(later, &pabrel::ui::DeferredPictures::taken, &form, [&] {
        if (request.recordsOff) {
            qCDebug(pabrel::records::recordsLog) << "recording is off: --no-records";
        } else {
            new pabrel::desktop::RecordKeeping(form, recordsFile);
        }
        if (request.listening) {
            listening->setOn(true);
        } else {
            listening->restore();
        }
    });
    form.show();
    return QApplication::exec();
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("pabrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PABREL_VERSION));
    // Lets the desktop match the window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(PABREL_APP_ID));

    // Read before any application object exists, so that what runs on the terminal (help,
    // the version, a mistake, the export and the summary) needs no display.
    const QStringList arguments = argumentsOf(argc, argv);
    const LaunchRequest request = pabrel::app::CommandLine().parse(arguments);
    const QString recordsFile = pabrel::records::defaultRecordsFile();
    const Language language = languageFor(request);
    if (request.action != LaunchRequest::Action::Play &&
        request.action != LaunchRequest::Action::ShowRecords) {
        const QCoreApplication application(argc, argv);
        const pabrel::ui::Translations translations(language);
        return answerOnTheTerminal(arguments, recordsFile);
    }
    const std::unique_ptr<QApplication> application = connectToDisplay(argc, argv);
    pabrel::ui::Translations translations(language);
    if (request.action == LaunchRequest::Action::ShowRecords) {
        return showRecords(recordsFile);
    }
    return play(request, translations, recordsFile);
}

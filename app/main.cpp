// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "built_in_pictures.h"
#include "clock_random_source.h"
#include "command_line.h"
#include "deferred_bell.h"
#include "deferred_pictures.h"
#include "desktop_loader.h"
#include "desktop_services.h"
#include "display_guard.h"
#include "event_timer_factory.h"
#include "form1.h"
#include "listening_mode.h"
#include "records_location.h"
#include "records_options.h"
#include "speech_client.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>

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
        QStringLiteral("ゲームの絵が読み込めないため、起動できません。\n\n%1").arg(what));
}

// Without the plugin the game still plays, with the toolkit's beep and without records or
// speech; a broken installation is told on the terminal.
pabrel::ui::DesktopServices* loadDesktopServices(pabrel::app::DesktopLoader& loader)
{
    pabrel::ui::DesktopServices* services = loader.load();
    if (services == nullptr) {
        std::fprintf(stderr, "pabrel: records, speech and the sound theme are unavailable: %s\n",
                     qPrintable(loader.error()));
        std::fflush(stderr);
    }
    return services;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("pabrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PABREL_VERSION));
    // Lets the desktop match the window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(PABREL_APP_ID));

    // Read before any application object exists: help, the version, a mistake and the
    // export all run without a display.
    pabrel::app::CommandLine commandLine;
    const pabrel::app::RecordsOptions records;
    records.addTo(commandLine.parser());
    const QCommandLineOption listen(
        QStringLiteral("listen"),
        QStringLiteral("Play in the listening mode (聞いて覚える): the digits are spoken, one a "
                       "second, instead of shown; remembered for the next start."));
    commandLine.parser().addOption(listen);
    const QStringList arguments = argumentsOf(argc, argv);
    pabrel::app::LaunchRequest request = commandLine.parse(arguments);
    if (request.action == pabrel::app::LaunchRequest::Action::Play) {
        if (const QString conflict = records.conflict(commandLine.parser()); !conflict.isEmpty()) {
            request = {pabrel::app::LaunchRequest::Action::Refuse, conflict};
        }
    }
    if (const auto status = commandLine.answer(request, arguments.first())) {
        return *status;
    }
    const QString recordsFile = pabrel::records::defaultRecordsFile();
    pabrel::app::DesktopLoader desktop;
    if (records.exportRequested(commandLine.parser())) {
        const QCoreApplication application(argc, argv);
        pabrel::ui::DesktopServices* services = loadDesktopServices(desktop);
        return services != nullptr
                   ? services->exportCsv(recordsFile, records.exportTarget(commandLine.parser()))
                   : EXIT_FAILURE;
    }

    const std::unique_ptr<QApplication> application = connectToDisplay(argc, argv);
    pabrel::ui::FormPictures pictures;
    pabrel::ui::LaterPictures icon;
    try {
        if (records.recordsWindowOnly(commandLine.parser())) {
            icon = pabrel::ui::laterPictures();
        } else {
            pictures = pabrel::ui::firstFramePictures();
        }
    } catch (const std::exception& error) {
        reportMissingPicture(QString::fromStdString(error.what()));
        return EXIT_FAILURE;
    }
    if (records.recordsWindowOnly(commandLine.parser())) {
        pabrel::ui::DesktopServices* services = loadDesktopServices(desktop);
        if (services == nullptr) {
            return EXIT_FAILURE;
        }
        const std::unique_ptr<QWidget> window = services->makeRecordsWindow(recordsFile);
        window->setWindowIcon(QIcon(icon.icon));
        window->show();
        return QApplication::exec();
    }
    pabrel::ClockRandomSource random;
    pabrel::ui::DeferredBell bell;
    pabrel::ui::EventTimerFactory timers;
    pabrel::ui::Form1 form(pictures, {random, bell, timers});
    QObject::connect(&form, &pabrel::ui::Form1::unloaded, application.get(),
                     &QCoreApplication::quit);
    const auto* later = new pabrel::ui::DeferredPictures(form, pabrel::ui::laterPictures);
    QObject::connect(later, &pabrel::ui::DeferredPictures::failed, application.get(),
                     [](const QString& what) {
                         reportMissingPicture(what);
                         QCoreApplication::exit(EXIT_FAILURE);
                     });
    std::unique_ptr<QObject> keeping;
    // What the first frame does not need comes once it is out, long before a round can.
    QObject::connect(later, &pabrel::ui::DeferredPictures::taken, &form, [&] {
        pabrel::ui::ListeningMode* listening = form.listeningMode();
        if (pabrel::ui::DesktopServices* services = loadDesktopServices(desktop)) {
            bell.handOver(services->makeBell());
            listening->setSpeechFactory([services] { return services->makeSpeech(); });
            listening->setNoSpeechReason(
                QStringLiteral("this build of Pabrel has no speech-dispatcher support"));
            if (!records.recordsOff(commandLine.parser())) {
                keeping = services->keepRecords(form, recordsFile);
            }
        } else {
            listening->setNoSpeechReason(desktop.error());
        }
        if (commandLine.parser().isSet(listen)) {
            listening->setOn(true);
        } else {
            listening->restore();
        }
    });
    form.show();
    return QApplication::exec();
}

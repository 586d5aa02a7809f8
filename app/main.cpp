// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "built_in_pictures.h"
#include "clock_random_source.h"
#include "command_line.h"
#include "desktop_bell.h"
#include "display_guard.h"
#include "event_timer_factory.h"
#include "form1.h"
#include "listening_mode.h"
#include "record_keeping.h"
#include "records_location.h"
#include "records_options.h"
#include "records_window.h"

#include <QApplication>

#include <memory>
#include <optional>

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
    if (records.exportRequested(commandLine.parser())) {
        const QCoreApplication application(argc, argv);
        return records.exportCsv(commandLine.parser(), recordsFile);
    }

    const std::unique_ptr<QApplication> application = connectToDisplay(argc, argv);
    if (records.recordsWindowOnly(commandLine.parser())) {
        pabrel::ui::RecordsWindow window(recordsFile);
        window.setWindowIcon(QIcon(pabrel::ui::builtInPictures().icon));
        window.show();
        return QApplication::exec();
    }
    pabrel::ClockRandomSource random;
    pabrel::ui::DesktopBell bell;
    pabrel::ui::EventTimerFactory timers;
    pabrel::ui::Form1 form(pabrel::ui::builtInPictures(), {random, bell, timers});
    QObject::connect(&form, &pabrel::ui::Form1::unloaded, application.get(),
                     &QCoreApplication::quit);
    std::optional<pabrel::ui::RecordKeeping> keeping;
    if (!records.recordsOff(commandLine.parser())) {
        keeping.emplace(form, recordsFile);
    }
    form.show();
    if (commandLine.parser().isSet(listen)) {
        form.listeningMode()->setOn(true);
    } else {
        form.listeningMode()->restore();
    }
    return QApplication::exec();
}

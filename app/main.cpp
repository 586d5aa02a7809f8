// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "built_in_pictures.h"
#include "clock_random_source.h"
#include "command_line.h"
#include "desktop_bell.h"
#include "display_guard.h"
#include "event_timer_factory.h"
#include "form1.h"

#include <QApplication>

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
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("pabrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PABREL_VERSION));
    // Lets the desktop match the window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(PABREL_APP_ID));

    pabrel::app::CommandLine commandLine;
    const QStringList arguments = argumentsOf(argc, argv);
    if (const auto status = commandLine.answer(commandLine.parse(arguments), arguments.first())) {
        return *status;
    }

    const std::unique_ptr<QApplication> application = connectToDisplay(argc, argv);
    pabrel::ClockRandomSource random;
    pabrel::ui::DesktopBell bell;
    pabrel::ui::EventTimerFactory timers;
    pabrel::ui::Form1 form(pabrel::ui::builtInPictures(), {random, bell, timers});
    QObject::connect(&form, &pabrel::ui::Form1::unloaded, application.get(),
                     &QCoreApplication::quit);
    form.show();
    return QApplication::exec();
}

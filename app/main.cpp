#include "built_in_pictures.h"
#include "clock_random_source.h"
#include "desktop_bell.h"
#include "display_guard.h"
#include "event_timer_factory.h"
#include "form1.h"

#include <QApplication>

#include <memory>

namespace {
std::unique_ptr<QApplication> connectToDisplay(int& argc, char** argv)
{
    const pabrel::app::DisplayGuard guard(argv[0]);
    return std::make_unique<QApplication>(argc, argv);
}
} // namespace

int main(int argc, char** argv)
{
    const std::unique_ptr<QApplication> application = connectToDisplay(argc, argv);
    // Lets the desktop match the window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(PABREL_APP_ID));
    pabrel::ClockRandomSource random;
    pabrel::ui::DesktopBell bell;
    pabrel::ui::EventTimerFactory timers;
    pabrel::ui::Form1 form(pabrel::ui::builtInPictures(), {random, bell, timers});
    QObject::connect(&form, &pabrel::ui::Form1::unloaded, application.get(),
                     &QCoreApplication::quit);
    form.show();
    return QApplication::exec();
}

#include "built_in_pictures.h"
#include "clock_random_source.h"
#include "desktop_bell.h"
#include "display_guard.h"
#include "event_timer_factory.h"
#include "form1.h"
#include "listening_mode.h"

#include <QApplication>
#include <QCommandLineParser>

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
    // Where the player's choices are kept: ~/.config/pabrel/pabrel.conf.
    QCoreApplication::setOrganizationName(QStringLiteral("pabrel"));
    QCoreApplication::setApplicationName(QStringLiteral("pabrel"));

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption listen(
        QStringLiteral("listen"),
        QStringLiteral("聞いて覚える: 数字を画面に出さずに読み上げる（次からもそうする）"));
    parser.addOption(listen);
    parser.process(*application);

    pabrel::ClockRandomSource random;
    pabrel::ui::DesktopBell bell;
    pabrel::ui::EventTimerFactory timers;
    pabrel::ui::Form1 form(pabrel::ui::builtInPictures(), {random, bell, timers});
    QObject::connect(&form, &pabrel::ui::Form1::unloaded, application.get(),
                     &QCoreApplication::quit);
    form.show();
    if (parser.isSet(listen)) {
        form.listeningMode()->setOn(true);
    } else {
        form.listeningMode()->restore();
    }
    return QApplication::exec();
}

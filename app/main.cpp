#include "built_in_pictures.h"
#include "clock_random_source.h"
#include "deferred_pictures.h"
#include "desktop_bell.h"
#include "display_guard.h"
#include "event_timer_factory.h"
#include "form1.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>

namespace {
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
} // namespace

int main(int argc, char** argv)
{
    const std::unique_ptr<QApplication> application = connectToDisplay(argc, argv);
    // Lets the desktop match the window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(PABREL_APP_ID));
    pabrel::ui::FormPictures pictures;
    try {
        pictures = pabrel::ui::firstFramePictures();
    } catch (const std::exception& error) {
        reportMissingPicture(QString::fromStdString(error.what()));
        return EXIT_FAILURE;
    }
    pabrel::ClockRandomSource random;
    pabrel::ui::DesktopBell bell;
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
    form.show();
    return QApplication::exec();
}

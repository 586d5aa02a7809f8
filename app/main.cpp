#include "built_in_pictures.h"
#include "clock_random_source.h"
#include "deferred_pictures.h"
#include "desktop_bell.h"
#include "display_guard.h"
#include "event_timer_factory.h"
#include "form1.h"
#include "record_keeping.h"
#include "records_location.h"
#include "records_options.h"
#include "records_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>

namespace {
std::unique_ptr<QApplication> connectToDisplay(int& argc, char** argv)
{
    const pabrel::app::DisplayGuard guard(argv[0]);
    return std::make_unique<QApplication>(argc, argv);
}

QStringList argumentList(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
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
    // Read before any application object exists: the export runs without a display.
    QCoreApplication::setApplicationName(QStringLiteral("pabrel"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Pabrel, a memory game."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const pabrel::app::RecordsOptions records;
    records.addTo(parser);
    if (!parser.parse(argumentList(argc, argv)) || !records.conflict(parser).isEmpty()) {
        const QString error =
            parser.errorText().isEmpty() ? records.conflict(parser) : parser.errorText();
        std::fprintf(stderr, "pabrel: %s\n", qUtf8Printable(error));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qUtf8Printable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("pabrel %s\n", PABREL_VERSION);
        return 0;
    }
    const QString recordsFile = pabrel::records::defaultRecordsFile();
    if (records.exportRequested(parser)) {
        const QCoreApplication application(argc, argv);
        return records.exportCsv(parser, recordsFile);
    }

    const std::unique_ptr<QApplication> application = connectToDisplay(argc, argv);
    // Lets the desktop match the window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(PABREL_APP_ID));
    pabrel::ui::FormPictures pictures;
    pabrel::ui::LaterPictures icon;
    try {
        if (records.recordsWindowOnly(parser)) {
            icon = pabrel::ui::laterPictures();
        } else {
            pictures = pabrel::ui::firstFramePictures();
        }
    } catch (const std::exception& error) {
        reportMissingPicture(QString::fromStdString(error.what()));
        return EXIT_FAILURE;
    }
    if (records.recordsWindowOnly(parser)) {
        pabrel::ui::RecordsWindow window(recordsFile);
        window.setWindowIcon(QIcon(icon.icon));
        window.show();
        return QApplication::exec();
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
    std::optional<pabrel::ui::RecordKeeping> keeping;
    if (!records.recordsOff(parser)) {
        keeping.emplace(form, recordsFile);
    }
    form.show();
    return QApplication::exec();
}

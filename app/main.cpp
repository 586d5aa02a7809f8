#include "built_in_pictures.h"
#include "clock_random_source.h"
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
#include <QCommandLineParser>

#include <cstdio>
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
    const QCommandLineOption listen(
        QStringLiteral("listen"),
        QStringLiteral("聞いて覚える: 数字を画面に出さずに読み上げる（次からもそうする）"));
    parser.addOption(listen);
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
    if (records.recordsWindowOnly(parser)) {
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
    if (!records.recordsOff(parser)) {
        keeping.emplace(form, recordsFile);
    }
    form.show();
    if (parser.isSet(listen)) {
        form.listeningMode()->setOn(true);
    } else {
        form.listeningMode()->restore();
    }
    return QApplication::exec();
}

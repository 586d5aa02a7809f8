// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures what keeping records costs: opening the records window and exporting with a
// long history, and the flash timing with recording on and off.

#include "built_in_pictures.h"
#include "clock_random_source.h"
#include "csv_export.h"
#include "desktop_bell.h"
#include "event_timer_factory.h"
#include "form1.h"
#include "overview_reading.h"
#include "realtime_boost.h"
#include "record_keeping.h"
#include "record_store.h"
#include "records_history.h"
#include "records_window.h"
#include "round_player.h"
#include "statistics.h"
#include "translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>
#include <memory>

using pabrel::bench::RoundPlayer;
using pabrel::bench::Summary;

namespace {
constexpr int Runs = 10;
constexpr int FastPaceMs = 20;

void ensurePlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

// Wall-clock and this process's processor time, which shows the work itself on a
// machine that other programs keep busy.
struct Stopwatch
{
    QElapsedTimer wall;
    double cpuStartMs = cpuMs();

    Stopwatch() { wall.start(); }
    static double cpuMs()
    {
        timespec now{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
    }
    std::pair<double, double> read() const
    {
        return {static_cast<double>(wall.nsecsElapsed()) / 1e6, cpuMs() - cpuStartMs};
    }
};

struct Times
{
    std::vector<double> wall;
    std::vector<double> cpu;

    void add(std::pair<double, double> times)
    {
        wall.push_back(times.first);
        cpu.push_back(times.second);
    }
};

void printTimes(const char* what, const Times& times)
{
    const Summary wall = pabrel::bench::summariseMagnitudes(times.wall);
    const QString cpu = times.cpu.empty()
                            ? QStringLiteral("-")
                            : QStringLiteral("%1 ms").arg(
                                  pabrel::bench::summariseMagnitudes(times.cpu).median, 0, 'f', 1);
    std::printf("| %s | %.1f ms | %.1f ms | %.1f ms | %s |\n", what, times.wall.front(),
                wall.median, wall.max, qPrintable(cpu));
    std::fflush(stdout);
}

// The window from its making: to its first painted frame, and to its figures on show.
struct WindowTimes
{
    std::pair<double, double> firstFrame;
    std::pair<double, double> figures;
};

WindowTimes openRecordsWindow(const QString& file)
{
    const Stopwatch clock;
    pabrel::desktop::RecordsWindow window(file);
    struct FirstPaint : QObject
    {
        bool painted = false;
        bool eventFilter(QObject*, QEvent* event) override
        {
            painted = painted || event->type() == QEvent::Paint;
            return false;
        }
    } watcher;
    window.installEventFilter(&watcher);
    bool shown = false;
    QObject::connect(&window, &pabrel::desktop::RecordsWindow::figuresShown,
                     [&shown] { shown = true; });
    window.show();
    WindowTimes times;
    while (!watcher.painted) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    times.firstFrame = clock.read();
    while (!shown) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    window.repaint();
    times.figures = clock.read();
    return times;
}

// What a round written while the window shows a long history costs the game's thread: the
// window taking it, and repainting what changed.
void measureWindowUpdates(const QString& file)
{
    pabrel::desktop::RecordsWindow window(file);
    bool shown = false;
    QObject::connect(&window, &pabrel::desktop::RecordsWindow::figuresShown,
                     [&shown] { shown = true; });
    window.show();
    while (!shown) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QCoreApplication::processEvents();
    Times update;
    Times repaint;
    pabrel::records::RoundRecord round;
    round.level = 5;
    round.outcome = pabrel::RoundOutcome::Correct;
    for (int run = 0; run < 50; ++run) {
        round.startedAt = QDateTime::currentDateTimeUtc();
        const Stopwatch clock;
        window.roundWritten(round);
        update.add(clock.read());
        // The chart brings its scene up to date from the event loop.
        const Stopwatch painting;
        QCoreApplication::processEvents();
        window.repaint();
        repaint.add(painting.read());
    }
    printTimes("after a written round: the window's update (50 rounds)", update);
    printTimes("and the work and repaint it leaves to the event loop", repaint);
}

std::pair<double, double> exportInProcess(const QString& file, const QString& csv)
{
    const Stopwatch clock;
    pabrel::records::RecordStore store(file);
    QFile out(csv);
    if (store.open(pabrel::records::RecordStore::Opening::ExistingOnly) ||
        !out.open(QIODevice::WriteOnly) || pabrel::records::writeCsv(store, out)) {
        qFatal("the export failed");
    }
    out.close();
    return clock.read();
}

double runTheProgram(const QString& program, const QString& dataHome, const QStringList& arguments)
{
    QProcess pabrel;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    pabrel.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    pabrel.start(program, arguments);
    if (!pabrel.waitForFinished(60'000) || pabrel.exitCode() != 0) {
        qFatal("pabrel %s failed: %s", qPrintable(arguments.join(QLatin1Char(' '))),
               pabrel.readAllStandardError().constData());
    }
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

void measureLongHistory(int rounds, const QString& program)
{
    QTemporaryDir home;
    const QString file = home.filePath(QStringLiteral("pabrel/records.sqlite3"));
    const QString csv = home.filePath(QStringLiteral("records.csv"));
    if (!pabrel::bench::seedHistory(file, rounds, QDate::currentDate(), 8)) {
        return;
    }
    std::printf("History: %d rounds, %.1f MiB on disk.\n\n", rounds,
                static_cast<double>(QFile(file).size()) / (1 << 20));
    std::printf("| What (%d runs) | first | median | max | median CPU |\n"
                "|---|---|---|---|---|\n",
                Runs);
    Times firstFrame;
    Times figures;
    Times overview;
    Times inProcess;
    Times command;
    Times summary;
    for (int run = 0; run < Runs; ++run) {
        const WindowTimes window = openRecordsWindow(file);
        firstFrame.add(window.firstFrame);
        figures.add(window.figures);
        const Stopwatch clock;
        pabrel::records::readOverview(file);
        overview.add(clock.read());
        inProcess.add(exportInProcess(file, csv));
        if (!program.isEmpty()) {
            command.wall.push_back(
                runTheProgram(program, home.path(), {QStringLiteral("--export-csv"), csv}));
            summary.wall.push_back(
                runTheProgram(program, home.path(), {QStringLiteral("--summary")}));
        }
    }
    printTimes("Records window: made, first frame painted", firstFrame);
    printTimes("Records window: made, figures read and painted", figures);
    printTimes("reading the figures alone, on the calling thread", overview);
    measureWindowUpdates(file);
    printTimes("CSV export, in the program", inProcess);
    if (!command.wall.empty()) {
        printTimes("`pabrel --export-csv FILE`, whole process", command);
        printTimes("`pabrel --summary`, whole process", summary);
    }
    std::printf("\nCSV: %.1f MiB.\n\n", static_cast<double>(QFile(csv).size()) / (1 << 20));
}

std::vector<double> errorsAt(const std::vector<RoundPlayer::Flash>& flashes, int level)
{
    std::vector<double> errors;
    for (const auto& flash : flashes) {
        if (flash.level == level) {
            errors.push_back(flash.shownMs - (level <= 2 ? 600.0 : 300.0));
        }
    }
    return errors;
}

enum class Recording
{
    Off,
    On,
    // Into a long history, with the records window open and taking each round.
    WithWindow,
};

const char* nameOf(Recording recording)
{
    switch (recording) {
    case Recording::Off:
        return "off";
    case Recording::On:
        return "on";
    case Recording::WithWindow:
        return "on, records window open";
    }
    return "";
}

void measureFlashes(int flashes, int historyRounds)
{
    std::printf("Flash error in ms with recording off and on (%d flashes a row, kernel timers, "
                "countdown and pause shortened to %d ms):\n\n",
                flashes, FastPaceMs);
    std::printf("| recording | level | display | bias | median | p95 | max |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    for (const Recording recording : {Recording::Off, Recording::On, Recording::WithWindow}) {
        QTemporaryDir home;
        const QString file = home.filePath(QStringLiteral("pabrel/records.sqlite3"));
        if (recording == Recording::WithWindow &&
            !pabrel::bench::seedHistory(file, historyRounds, QDate::currentDate(), 8)) {
            return;
        }
        pabrel::ClockRandomSource random;
        pabrel::desktop::DesktopBell bell;
        pabrel::ui::EventTimerFactory timers;
        pabrel::realtime::RealtimeBoost boost;
        pabrel::ui::Translations translations(pabrel::Language::Japanese);
        pabrel::ui::Form1 form(pabrel::ui::builtInPictures(),
                               {random, bell, timers, boost, translations});
        std::unique_ptr<pabrel::desktop::RecordKeeping> keeping;
        if (recording != Recording::Off) {
            keeping = std::make_unique<pabrel::desktop::RecordKeeping>(form, file);
        }
        form.show();
        if (recording == Recording::WithWindow) {
            keeping->showRecords();
        }
        RoundPlayer player(form, 1);
        player.shortenCountdownAndPause(FastPaceMs);
        const struct
        {
            RoundPlayer::Plan plan;
            int level;
        } rows[] = {{RoundPlayer::Plan::StayAtLevelOne, 1},
                    {RoundPlayer::Plan::HoverAtLevelThree, 3}};
        for (const auto& row : rows) {
            player.play(row.plan, flashes);
            const Summary s =
                pabrel::bench::summariseMagnitudes(errorsAt(player.flashes(), row.level));
            std::printf("| %s | %d | %d ms | %+.2f | %.2f | %.2f | %.2f |\n", nameOf(recording),
                        row.level, row.level <= 2 ? 600 : 300, s.signedMedian, s.median, s.p95,
                        s.max);
            std::fflush(stdout);
        }
        if (keeping) {
            keeping->writer().waitUntilWritten();
            const auto reading = pabrel::records::readOverview(file);
            std::printf("\nRounds in the file after that run: %d.\n\n",
                        reading.overview ? reading.overview->all().rounds : 0);
        }
    }
}
} // namespace

int main(int argc, char** argv)
{
    ensurePlatform();
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Measures the records: the records window and the CSV export with a long history, "
        "and the flash with recording on and off.");
    parser.addHelpOption();
    const QCommandLineOption rounds("rounds", "Rounds in the long history.", "n", "100000");
    const QCommandLineOption flashes("flashes", "Flashes measured per row.", "n", "100");
    const QCommandLineOption program("program", "The pabrel program, to time its export.", "path");
    const QCommandLineOption seed("seed-history",
                                  "Only write a made-up history of --rounds rounds, ending "
                                  "today, to <file>, and exit.",
                                  "file");
    parser.addOptions({rounds, flashes, program, seed});
    parser.process(application);

    const int roundCount = parser.value(rounds).toInt();
    if (parser.isSet(seed)) {
        return pabrel::bench::seedHistory(parser.value(seed), roundCount, QDate::currentDate(), 8)
                   ? 0
                   : 1;
    }
    std::printf("Platform: %s\n\n", qPrintable(QGuiApplication::platformName()));
    measureLongHistory(roundCount, parser.value(program));
    measureFlashes(parser.value(flashes).toInt(), roundCount);
    return 0;
}

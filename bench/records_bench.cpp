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
#include "overview_reader.h"
#include "realtime_boost.h"
#include "record_keeping.h"
#include "record_store.h"
#include "records_history.h"
#include "records_window.h"
#include "round_player.h"
#include "statistics.h"

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

// From making the window to its first painted frame, the file read and the chart drawn.
std::pair<double, double> openRecordsWindow(const QString& file)
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
    window.show();
    while (!watcher.painted) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return clock.read();
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

double exportWithTheProgram(const QString& program, const QString& dataHome, const QString& csv)
{
    QProcess pabrel;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    pabrel.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    pabrel.start(program, {QStringLiteral("--export-csv"), csv});
    if (!pabrel.waitForFinished(60'000) || pabrel.exitCode() != 0) {
        qFatal("pabrel --export-csv failed: %s", pabrel.readAllStandardError().constData());
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
    Times window;
    Times overview;
    Times inProcess;
    Times command;
    for (int run = 0; run < Runs; ++run) {
        window.add(openRecordsWindow(file));
        const Stopwatch clock;
        pabrel::records::RecordStore store(file);
        pabrel::records::RecordsOverview figures;
        store.open(pabrel::records::RecordStore::Opening::ExistingOnly);
        pabrel::records::OverviewReader(store).read(figures);
        overview.add(clock.read());
        inProcess.add(exportInProcess(file, csv));
        if (!program.isEmpty()) {
            const double ms = exportWithTheProgram(program, home.path(), csv);
            command.wall.push_back(ms);
        }
    }
    printTimes("Records window: made, file read, first frame painted", window);
    printTimes("of which reading the figures", overview);
    printTimes("CSV export, in the program", inProcess);
    if (!command.wall.empty()) {
        printTimes("`pabrel --export-csv FILE`, whole process", command);
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

void measureFlashes(int flashes)
{
    std::printf("Flash error in ms with recording off and on (%d flashes a row, kernel timers, "
                "countdown and pause shortened to %d ms):\n\n",
                flashes, FastPaceMs);
    std::printf("| recording | level | display | bias | median | p95 | max |\n");
    std::printf("|---|---|---|---|---|---|---|\n");
    QTemporaryDir home;
    for (const bool recording : {false, true}) {
        pabrel::ClockRandomSource random;
        pabrel::desktop::DesktopBell bell;
        pabrel::ui::EventTimerFactory timers;
        pabrel::realtime::RealtimeBoost boost;
        pabrel::ui::Form1 form(pabrel::ui::builtInPictures(), {random, bell, timers, boost});
        std::unique_ptr<pabrel::desktop::RecordKeeping> keeping;
        if (recording) {
            keeping = std::make_unique<pabrel::desktop::RecordKeeping>(
                form, home.filePath(QStringLiteral("pabrel/records.sqlite3")));
        }
        form.show();
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
            std::printf("| %s | %d | %d ms | %+.2f | %.2f | %.2f | %.2f |\n",
                        recording ? "on" : "off", row.level, row.level <= 2 ? 600 : 300,
                        s.signedMedian, s.median, s.p95, s.max);
            std::fflush(stdout);
        }
        if (keeping) {
            keeping->writer().waitUntilWritten();
            pabrel::records::RecordStore store(
                home.filePath(QStringLiteral("pabrel/records.sqlite3")));
            int written = 0;
            store.open(pabrel::records::RecordStore::Opening::ExistingOnly);
            store.countRounds(written);
            std::printf("\nRounds recorded in that run: %d.\n", written);
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
    measureFlashes(parser.value(flashes).toInt());
    return 0;
}

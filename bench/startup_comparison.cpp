// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup_comparison.h"

#include "first_paint_probe.h"
#include "records_history.h"
#include "statistics.h"

#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <iterator>
#include <optional>
#include <vector>

namespace pabrel::bench {

namespace {
// The size of the status label's text, and what it shows in the game's first frame.
constexpr int LabelPointSize = 72;
const QString FirstFrameText = QStringLiteral("ﾚﾍﾞﾙ 1");
constexpr int HistoryRounds = 1000;
// Far longer than any start-up; a program still running then has hung.
constexpr int LaunchTimeoutMs = 30'000;

struct Program
{
    const char* name;
    QString path;
    QStringList arguments;
};

struct Figures
{
    double wallMs;
    double cpuMs;
    double peakMiB;
};

struct Runs
{
    std::vector<double> wallMs;
    std::vector<double> cpuMs;
    std::vector<double> peakMiB;

    void add(const Figures& figures)
    {
        wallMs.push_back(figures.wallMs);
        cpuMs.push_back(figures.cpuMs);
        peakMiB.push_back(figures.peakMiB);
    }
};

// A home of its own, where the game finds the records of a player who has played a while
// and no settings, as on a player's machine.
std::optional<QProcessEnvironment> playerEnvironment(const QTemporaryDir& home)
{
    const QString dataHome = home.filePath(QStringLiteral("data"));
    if (!seedHistory(dataHome + QStringLiteral("/pabrel/records.sqlite3"), HistoryRounds,
                     QDate::currentDate(), 8)) {
        return std::nullopt;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(PABREL_FIRST_PAINT_PROBE));
    return environment;
}

std::optional<Figures> readReport(const QByteArray& output)
{
    const QByteArray marker = QByteArray(probe::ReportMarker) + ' ';
    for (const QByteArray& line : output.split('\n')) {
        const QList<QByteArray> figures = line.mid(marker.size()).split(' ');
        if (line.startsWith(marker) && figures.size() == 3) {
            return Figures{figures[0].toDouble(), figures[1].toDouble(), figures[2].toDouble()};
        }
    }
    return std::nullopt;
}

std::optional<Figures> launchToFirstPaint(const Program& program, QProcessEnvironment environment)
{
    QProcess child;
    environment.insert(QString::fromLatin1(probe::LaunchedAtVariable),
                       QString::number(probe::monotonicNs()));
    child.setProcessEnvironment(environment);
    child.start(program.path, program.arguments);
    if (!child.waitForFinished(LaunchTimeoutMs)) {
        child.kill();
        child.waitForFinished();
    }
    const auto figures = readReport(child.readAllStandardOutput());
    if (!figures) {
        std::printf("%s (%s) gave no first frame: %s\n%s\n", program.name, qPrintable(program.path),
                    qPrintable(child.errorString()), child.readAllStandardError().constData());
    }
    return figures;
}

void printTable(const Program* programs, const Runs* runs, int count, int empty)
{
    std::printf("| | wall time ms | CPU time ms | peak RSS MiB | CPU time ratio | RSS above |\n"
                "|---|---|---|---|---|---|\n");
    const Summary emptyCpu = summariseMagnitudes(runs[empty].cpuMs);
    const Summary emptyPeak = summariseMagnitudes(runs[empty].peakMiB);
    for (int i = 0; i < count; ++i) {
        const Summary wall = summariseMagnitudes(runs[i].wallMs);
        const Summary cpu = summariseMagnitudes(runs[i].cpuMs);
        const Summary peak = summariseMagnitudes(runs[i].peakMiB);
        std::printf("| %s | %.1f (%.1f) | %.1f (%.1f) | %.2f (%.2f) | %.2f | %+.2f MiB |\n",
                    programs[i].name, wall.median, wall.max, cpu.median, cpu.max, peak.median,
                    peak.max, cpu.median / emptyCpu.median, peak.median - emptyPeak.median);
    }
}
} // namespace

bool compareStartups(QSize windowSize, int runs)
{
    if (runs < 1) {
        std::printf("Start-up: at least one run of each program is needed.\n");
        return false;
    }
    const QTemporaryDir home;
    const auto environment = home.isValid() ? playerEnvironment(home) : std::nullopt;
    if (!environment) {
        std::printf("Start-up: could not make a home with records for the game.\n");
        return false;
    }
    const QString game = QStringLiteral(PABREL_PROGRAM);
    const QString bare = QStringLiteral(PABREL_BARE_WINDOW);
    const QString width = QString::number(windowSize.width());
    const QString height = QString::number(windowSize.height());
    const Program programs[] = {
        {"Pabrel", game, {}},
        {"Pabrel --no-records", game, {QStringLiteral("--no-records")}},
        {"empty Qt window", bare, {width, height}},
        {"Qt window, one line of Japanese",
         bare,
         {width, height, FirstFrameText, QString::number(LabelPointSize)}},
    };
    constexpr int Count = std::size(programs);
    constexpr int Empty = 2;
    Runs figures[Count];
    // In turn, each run starting one program further on, so that whatever else the machine
    // does, and whatever one launch leaves cached for the next, falls on all alike.
    for (int run = 0; run < runs; ++run) {
        for (int step = 0; step < Count; ++step) {
            const int i = (run + step) % Count;
            const auto launched = launchToFirstPaint(programs[i], *environment);
            if (!launched) {
                return false;
            }
            figures[i].add(*launched);
        }
    }
    std::printf("\nStart-up, from launching the process to its first painted frame, %d runs "
                "of each, interleaved (medians; max in brackets; ratio and RSS against the "
                "empty window):\n\n",
                runs);
    printTable(programs, figures, Count, Empty);
    return true;
}

} // namespace pabrel::bench

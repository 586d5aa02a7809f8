// Measures what the player feels of the game's timing and what it costs the machine:
// how long the digits really stay on screen, how soon the window first appears, and how
// much memory the game holds, over a short run and over a long one.

#include "built_in_pictures.h"
#include "clock_random_source.h"
#include "desktop_bell.h"
#include "event_timer_factory.h"
#include "form1.h"
#include "process_memory.h"
#include "round_player.h"
#include "statistics.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QProcess>
#include <QTimer>

#include <cstdio>
#include <ctime>

using pabrel::bench::RoundPlayer;
using pabrel::bench::Summary;
using pabrel::ui::Form1;

namespace {
constexpr int FastPaceMs = 20;
constexpr int StartupRuns = 10;

// The window with what the program gives it: digits from the clock-seeded source, the
// desktop's bell and the kernel's timers.
struct GameWindow
{
    pabrel::ClockRandomSource random;
    pabrel::ui::DesktopBell bell;
    pabrel::ui::EventTimerFactory timers;
    Form1 form{pabrel::ui::builtInPictures(), {random, bell, timers}};
};

qint64 monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

void ensurePlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
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

void printRow(const char* timers, int level, const Summary& s)
{
    std::printf("| %-10s | %d | %3d ms | %5d | %+6.2f | %6.2f | %6.2f | %6.2f |\n", timers, level,
                level <= 2 ? 600 : 300, s.count, s.signedMedian, s.median, s.p95, s.max);
}

void measureFlashes(int flashes)
{
    std::printf("Flash: time from the digits being painted to the mask being painted, error "
                "against the display time in ms (bias: median of the signed errors; median, p95 "
                "and max of their sizes; %d flashes a row; countdown "
                "and pause shortened to %d ms).\n\n",
                flashes, FastPaceMs);
    std::printf("| timers     | level | display | flashes | bias | median | p95 | max |\n");
    std::printf("|---|---|---|---|---|---|---|---|\n");
    using Clock = pabrel::ui::EventTimer::Clock;
    const struct
    {
        const char* name;
        Clock clock;
    } kinds[] = {{"kernel", Clock::Kernel},
                 {"Qt precise", Clock::QtPrecise},
                 {"Qt coarse", Clock::QtCoarse}};
    for (const auto& kind : kinds) {
        GameWindow window;
        Form1& form = window.form;
        form.show();
        RoundPlayer player(form, 1);
        player.shortenCountdownAndPause(FastPaceMs);
        player.setClock(kind.clock);
        player.play(RoundPlayer::Plan::StayAtLevelOne, flashes);
        printRow(kind.name, 1, pabrel::bench::summariseMagnitudes(errorsAt(player.flashes(), 1)));
        player.play(RoundPlayer::Plan::HoverAtLevelThree, flashes);
        printRow(kind.name, 3, pabrel::bench::summariseMagnitudes(errorsAt(player.flashes(), 3)));
    }
}

void measureStartup(const QString& program)
{
    std::vector<double> firstPaintMs;
    double peakMiB = 0;
    for (int run = 0; run < StartupRuns; ++run) {
        QProcess child;
        const qint64 launchedNs = monotonicNs();
        child.start(program, {QStringLiteral("--first-paint-since"), QString::number(launchedNs)});
        child.waitForFinished();
        const QStringList figures = QString::fromLatin1(child.readAllStandardOutput()).split(' ');
        if (figures.size() != 2) {
            std::printf("start-up run %d failed: %s\n", run,
                        child.readAllStandardError().constData());
            return;
        }
        firstPaintMs.push_back(figures[0].toDouble());
        peakMiB = std::max(peakMiB, figures[1].toDouble());
    }
    const Summary s = pabrel::bench::summariseMagnitudes(firstPaintMs);
    std::printf("\nStart-up, from launching the process to the window's first painted frame "
                "(%d runs): median %.1f ms, max %.1f ms. Peak RSS at that moment: %.1f MiB.\n",
                s.count, s.median, s.max, peakMiB);
}

// Run in a child process: opens the window as the game does and reports, once its first
// frame is painted, the time since `launchedNs` and the peak resident memory.
int reportFirstPaint(QApplication& application, qint64 launchedNs)
{
    GameWindow window;
    Form1& form = window.form;
    struct FirstPaint : QObject
    {
        qint64 launchedNs;
        explicit FirstPaint(qint64 since) : launchedNs(since) {}
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) {
                QTimer::singleShot(0, [this] {
                    std::printf("%.2f %.2f", static_cast<double>(monotonicNs() - launchedNs) / 1e6,
                                pabrel::bench::peakResidentMiB());
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                });
                removeEventFilter(this);
            }
            return false;
        }
    } watcher(launchedNs);
    form.installEventFilter(&watcher);
    form.show();
    return application.exec();
}

void soak(int rounds)
{
    GameWindow window;
    Form1& form = window.form;
    form.show();
    RoundPlayer player(form, 7);
    player.shortenCountdownAndPause(FastPaceMs);
    const double before = pabrel::bench::residentMiB();
    double afterWarmUp = 0;
    player.play(RoundPlayer::Plan::RandomAnswers, rounds, [&](int round) {
        if (round == 10) {
            afterWarmUp = pabrel::bench::residentMiB();
        }
        if (round % 100 == 0) {
            std::printf("round %4d: RSS %.2f MiB\n", round, pabrel::bench::residentMiB());
            std::fflush(stdout);
        }
    });
    const double after = pabrel::bench::residentMiB();
    std::printf("\nSoak, %d rounds with random answers: RSS %.2f MiB before the first round, "
                "%.2f MiB after round 10, %.2f MiB at the end (growth after warm-up %+.2f MiB); "
                "peak %.2f MiB.\n",
                rounds, before, afterWarmUp, after, after - afterWarmUp,
                pabrel::bench::peakResidentMiB());
}
} // namespace

int main(int argc, char** argv)
{
    ensurePlatform();
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Measures Pabrel's flash timing, start-up time and memory in a real window "
        "(offscreen unless a display is given).");
    parser.addHelpOption();
    const QCommandLineOption flashes("flashes", "Flashes measured per row.", "n", "100");
    const QCommandLineOption soakRounds("soak", "Play <rounds> random rounds and report RSS.",
                                        "rounds");
    const QCommandLineOption firstPaint("first-paint-since", "Internal: start-up probe.", "ns");
    parser.addOptions({flashes, soakRounds, firstPaint});
    parser.process(application);

    if (parser.isSet(firstPaint)) {
        return reportFirstPaint(application, parser.value(firstPaint).toLongLong());
    }
    std::printf("Platform: %s\n\n", qPrintable(QGuiApplication::platformName()));
    if (parser.isSet(soakRounds)) {
        soak(parser.value(soakRounds).toInt());
        return 0;
    }
    measureFlashes(parser.value(flashes).toInt());
    measureStartup(QCoreApplication::applicationFilePath());
    std::printf("Peak RSS of the flash runs: %.1f MiB.\n", pabrel::bench::peakResidentMiB());
    return 0;
}

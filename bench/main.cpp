// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures what the player feels of the game's timing and what it costs the machine:
// how long the digits really stay on screen, on an idle machine and on a busy one, how
// soon the program's window first appears beside bare Qt windows, and how much memory the
// game holds, over a short run and over a long one.

#include "built_in_pictures.h"
#include "busy_machine.h"
#include "clock_random_source.h"
#include "desktop_bell.h"
#include "event_timer_factory.h"
#include "form1.h"
#include "process_memory.h"
#include "realtime_boost.h"
#include "round_player.h"
#include "startup_comparison.h"
#include "statistics.h"
#include "timer_periods.h"
#include "translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>

using pabrel::bench::RoundPlayer;
using pabrel::bench::Summary;
using pabrel::realtime::RealtimeBoost;
using pabrel::ui::EventTimer;
using pabrel::ui::Form1;

namespace {
constexpr int FastPaceMs = 20;
// RealtimeKit grants a user at most 25 requests in 20 s, one a round: rounds boosted through
// it are paced to stay under that (a game's round takes over five seconds).
constexpr int RealtimeKitPaceMs = 250;

QString pathName(RealtimeBoost::Path path)
{
    switch (path) {
    case RealtimeBoost::Path::Untried:
        return QStringLiteral("not tried");
    case RealtimeBoost::Path::RealtimeKit:
        return QStringLiteral("RealtimeKit");
    case RealtimeBoost::Path::Direct:
        return QStringLiteral("direct");
    case RealtimeBoost::Path::None:
        return QStringLiteral("none");
    }
    Q_UNREACHABLE();
}

// Leaves the thread at normal priority, for the rows without the boost.
struct NoBoost : pabrel::realtime::Boost
{
    void begin(std::chrono::milliseconds) override {}
    void end() override {}
};

// The window with what the program gives it: digits from the clock-seeded source, the
// desktop's bell, the kernel's timers and the real-time boost (unless told otherwise).
struct GameWindow
{
    explicit GameWindow(bool boosted = true,
                        const pabrel::ui::FormPictures& pictures = pabrel::ui::builtInPictures())
        : form(pictures,
               {random, bell, timers,
                boosted ? static_cast<pabrel::realtime::Boost&>(boost) : noBoost, translations})
    {
    }

    pabrel::ClockRandomSource random;
    pabrel::desktop::DesktopBell bell;
    pabrel::ui::EventTimerFactory timers;
    RealtimeBoost boost;
    NoBoost noBoost;
    pabrel::ui::Translations translations{pabrel::Language::Japanese};
    Form1 form;
};

struct Options
{
    int flashes = 100;
    int startupRuns = 30;
};

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
    const int displayMs = pabrel::displayMs(static_cast<pabrel::Int16>(level));
    for (const auto& flash : flashes) {
        if (flash.level == level) {
            errors.push_back(flash.shownMs - displayMs);
        }
    }
    return errors;
}

void printFlashHeader(int flashes)
{
    std::printf("Flash: time from the digits being painted to the mask being painted, error "
                "against the display time in ms (bias: median of the signed errors; median, p95 "
                "and max of their sizes; %d flashes a row; countdown and pause shortened to "
                "%d ms, %d ms with the boost through RealtimeKit).\n\n",
                flashes, FastPaceMs, RealtimeKitPaceMs);
    std::printf("| timers | real-time boost | level | display | flashes | bias | median | p95 | "
                "max |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|\n");
}

void printRow(const char* timers, const QString& boost, int level, const Summary& s)
{
    std::printf("| %s | %s | %d | %3d ms | %5d | %+6.2f | %6.2f | %6.2f | %6.2f |\n", timers,
                qPrintable(boost), level, pabrel::displayMs(static_cast<pabrel::Int16>(level)),
                s.count, s.signedMedian, s.median, s.p95, s.max);
    std::fflush(stdout);
}

int paceWithBoost()
{
    static const int pace = [] {
        RealtimeBoost probe;
        probe.begin(std::chrono::seconds(3));
        QElapsedTimer waited;
        waited.start();
        while (probe.path() == RealtimeBoost::Path::Untried && waited.elapsed() < 3000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        }
        probe.end();
        return probe.path() == RealtimeBoost::Path::RealtimeKit ? RealtimeKitPaceMs : FastPaceMs;
    }();
    return pace;
}

// Plays `flashes` flashes at level 1 and at level 3 in a fresh window and prints a row for
// each.
void playRows(const char* timers, EventTimer::Clock clock, bool boost, int flashes)
{
    GameWindow window(boost);
    Form1& form = window.form;
    form.show();
    RoundPlayer player(form, 1);
    player.shortenCountdownAndPause(boost ? paceWithBoost() : FastPaceMs);
    player.setClock(clock);
    const auto boostName = [&] {
        return boost ? pathName(window.boost.path()) : QStringLiteral("off");
    };
    player.play(RoundPlayer::Plan::StayAtLevelOne, flashes);
    printRow(timers, boostName(), 1,
             pabrel::bench::summariseMagnitudes(errorsAt(player.flashes(), 1)));
    player.play(RoundPlayer::Plan::HoverAtLevelThree, flashes);
    printRow(timers, boostName(), 3,
             pabrel::bench::summariseMagnitudes(errorsAt(player.flashes(), 3)));
}

bool measureFlashes(const Options& options)
{
    printFlashHeader(options.flashes);
    playRows("kernel", EventTimer::Clock::Kernel, true, options.flashes);
    playRows("Qt precise", EventTimer::Clock::QtPrecise, true, options.flashes);
    playRows("Qt coarse", EventTimer::Clock::QtCoarse, true, options.flashes);
    return true;
}

bool measureFlashesOnBusyMachine(const Options& options)
{
    const pabrel::bench::BusyMachine load;
    std::printf("\nBusy machine: %d threads spinning at normal priority, one per core.\n\n",
                load.threads());
    printFlashHeader(options.flashes);
    playRows("kernel", EventTimer::Clock::Kernel, false, options.flashes);
    playRows("kernel", EventTimer::Clock::Kernel, true, options.flashes);
    return true;
}

QSize gameWindowSize()
{
    const GameWindow window(true, pabrel::ui::FormPictures{});
    return window.form.size();
}

bool measureStartup(const Options& options)
{
    return pabrel::bench::compareStartups(gameWindowSize(), options.startupRuns);
}

void soak(int rounds)
{
    GameWindow window;
    Form1& form = window.form;
    form.show();
    RoundPlayer player(form, 7);
    player.shortenCountdownAndPause(FastPaceMs);
    using pabrel::bench::formatMiB;
    const std::optional<double> before = pabrel::bench::residentMiB();
    std::optional<double> afterWarmUp;
    player.play(RoundPlayer::Plan::RandomAnswers, rounds, [&](int round) {
        if (round == 10) {
            afterWarmUp = pabrel::bench::residentMiB();
        }
        if (round % 100 == 0) {
            std::printf("round %4d: RSS %s\n", round,
                        formatMiB(pabrel::bench::residentMiB()).c_str());
            std::fflush(stdout);
        }
    });
    const std::optional<double> after = pabrel::bench::residentMiB();
    std::printf("\nSoak, %d rounds with random answers: RSS %s before the first round, %s after "
                "round 10, %s at the end; peak %s.\n",
                rounds, formatMiB(before).c_str(), formatMiB(afterWarmUp).c_str(),
                formatMiB(after).c_str(), formatMiB(pabrel::bench::peakResidentMiB()).c_str());
    if (after && afterWarmUp) {
        std::printf("Growth after warm-up: %+.2f MiB.\n", *after - *afterWarmUp);
    }
}

struct Section
{
    const char* name;
    std::function<bool(const Options&)> run;
};

// Run in this order by default; --only picks some.
const Section Sections[] = {
    {"flash", measureFlashes},
    {"busy", measureFlashesOnBusyMachine},
    {"startup", measureStartup},
};
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
    const QCommandLineOption runs("runs", "Start-up runs of each program.", "n", "30");
    const QCommandLineOption only("only", "Run only these sections: flash, busy, startup.",
                                  "names");
    const QCommandLineOption soakRounds("soak", "Play <rounds> random rounds and report RSS.",
                                        "rounds");
    parser.addOptions({flashes, runs, only, soakRounds});
    parser.process(application);

    std::printf("Platform: %s\n\n", qPrintable(QGuiApplication::platformName()));
    if (parser.isSet(soakRounds)) {
        soak(parser.value(soakRounds).toInt());
        return 0;
    }
    const Options options{parser.value(flashes).toInt(), parser.value(runs).toInt()};
    const QStringList wanted = parser.value(only).split(',', Qt::SkipEmptyParts);
    bool measured = true;
    for (const Section& section : Sections) {
        if (wanted.isEmpty() || wanted.contains(QLatin1String(section.name))) {
            measured = section.run(options) && measured;
        }
    }
    std::printf("\nPeak RSS of this process: %s.\n",
                pabrel::bench::formatMiB(pabrel::bench::peakResidentMiB()).c_str());
    return measured ? 0 : 1;
}

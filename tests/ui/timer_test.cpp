// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's timers keep their rhythm whatever the game asks of them in between: a tick
// that is due comes when it is due.

#include "event_timer.h"
#include "event_timer_factory.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTest>

using pabrel::ui::EventTimer;
using pabrel::ui::EventTimerFactory;

class TimerTest : public QObject
{
    Q_OBJECT

private slots:
    void theProgramsTimersTickFromTheKernel();
    void aRunningTimerKeepsItsPeriodWhenEnabledOrGivenANewInterval();
    void everyClockTicksAgainAndAgainUntilStopped_data();
    void everyClockTicksAgainAndAgainUntilStopped();
    void aKernelTimerThatCannotBeSetSaysSoAndFallsBack();
};

void TimerTest::theProgramsTimersTickFromTheKernel()
{
    QObject window;
    EventTimerFactory factory;
    const auto* timer =
        qobject_cast<EventTimer*>(factory.createTimer(pabrel::Timer::tmrQuestion, 600, &window));
    QVERIFY(timer != nullptr);
    QCOMPARE(timer->parent(), &window);
#ifdef __linux__
    QCOMPARE(timer->clock(), EventTimer::Clock::Kernel);
#endif
    QCOMPARE(timer->interval(), 600);
    QVERIFY(!timer->isActive());
}

// The calls come 200 ms into the period however late the event loop runs: the clocks go on
// while the thread sleeps. Restarted there, the tick would come after "due".
void TimerTest::aRunningTimerKeepsItsPeriodWhenEnabledOrGivenANewInterval()
{
    EventTimer timer(400, nullptr);
    QStringList order;
    connect(&timer, &EventTimer::timeout, this, [&] {
        order << QStringLiteral("tick");
        timer.setEnabled(false);
    });
    timer.setEnabled(true);
    QTimer::singleShot(500, Qt::PreciseTimer, this, [&] { order << QStringLiteral("due"); });
    QTest::qSleep(200);
    timer.setEnabled(true);
    timer.setIntervalForNextStart(1000);

    QTRY_COMPARE(order.size(), 2);
    QCOMPARE(order, QStringList({QStringLiteral("tick"), QStringLiteral("due")}));
    timer.setEnabled(true);
    QCOMPARE(timer.interval(), 1000);
}

void TimerTest::everyClockTicksAgainAndAgainUntilStopped_data()
{
    QTest::addColumn<EventTimer::Clock>("clock");
    QTest::newRow("kernel") << EventTimer::Clock::Kernel;
    QTest::newRow("Qt precise") << EventTimer::Clock::QtPrecise;
    QTest::newRow("Qt coarse") << EventTimer::Clock::QtCoarse;
}

void TimerTest::everyClockTicksAgainAndAgainUntilStopped()
{
    QFETCH(EventTimer::Clock, clock);
    EventTimer timer(20, nullptr);
    timer.setClock(clock);
    int ticks = 0;
    connect(&timer, &EventTimer::timeout, this, [&] {
        if (++ticks == 3) {
            timer.setEnabled(false);
        }
    });
    timer.setEnabled(true);
    QTRY_COMPARE(ticks, 3);
    QVERIFY(!timer.isActive());
    QTest::qWait(100);
    QCOMPARE(ticks, 3);
}

void TimerTest::aKernelTimerThatCannotBeSetSaysSoAndFallsBack()
{
    EventTimer timer(20, nullptr);
    if (timer.clock() != EventTimer::Clock::Kernel) {
        QSKIP("no kernel timer on this system");
    }
    // The kernel refuses a negative period.
    timer.setIntervalForNextStart(-1);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^pabrel: cannot set the kernel timer "
                                                           "to -1 ms: .+; using Qt's precise")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("negative interval")));
    timer.setEnabled(true);
    QCOMPARE(timer.clock(), EventTimer::Clock::QtPrecise);

    timer.setEnabled(false);
    timer.setIntervalForNextStart(20);
    int ticks = 0;
    connect(&timer, &EventTimer::timeout, this, [&] { ++ticks; });
    timer.setEnabled(true);
    QTRY_VERIFY(ticks >= 2);
}

// The window tests' own timers follow the same rules as the program's, on a clock that
// moves only when told.
QTEST_GUILESS_MAIN(TimerTest)
#include "timer_test.moc"

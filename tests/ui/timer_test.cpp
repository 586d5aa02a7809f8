// The window's timers keep their rhythm whatever the game asks of them in between: a tick
// that is due comes when it is due.

#include "event_timer.h"

#include <QStringList>
#include <QTest>

using pabrel::ui::EventTimer;

class TimerTest : public QObject
{
    Q_OBJECT

private slots:
    void aRunningTimerKeepsItsPeriodWhenEnabledOrGivenANewInterval();
};

void TimerTest::aRunningTimerKeepsItsPeriodWhenEnabledOrGivenANewInterval()
{
    EventTimer timer(400, nullptr);
    QStringList order;
    connect(&timer, &QTimer::timeout, this, [&] {
        order << QStringLiteral("tick");
        timer.setEnabled(false);
    });
    timer.setEnabled(true);
    QTimer::singleShot(200, Qt::PreciseTimer, this, [&] {
        timer.setEnabled(true);
        timer.setIntervalForNextStart(1000);
    });
    // Restarted at 200 ms, the tick would come after this.
    QTimer::singleShot(500, Qt::PreciseTimer, this, [&] { order << QStringLiteral("due"); });

    QTRY_COMPARE(order.size(), 2);
    QCOMPARE(order, QStringList({QStringLiteral("tick"), QStringLiteral("due")}));
    timer.setEnabled(true);
    QCOMPARE(timer.interval(), 1000);
}

QTEST_GUILESS_MAIN(TimerTest)
#include "timer_test.moc"

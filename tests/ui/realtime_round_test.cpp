// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window wants its thread raised from the start of the countdown, through the digits'
// paint, to the mask's paint, and at normal priority before and after, and once a round is
// given up. The boost itself is tested against the real scheduler in tests/realtime.

#include "flash_watch.h"
#include "form1.h"
#include "form_probe.h"
#include "timer_periods.h"

#include <QPushButton>
#include <QTest>

using pabrel::testing::FormProbe;
using pabrel::ui::FlashWatch;
using namespace std::chrono_literals;

class RealtimeRoundTest : public QObject
{
    Q_OBJECT

private slots:
    void raisedFromCountdownToMask_data();
    void raisedFromCountdownToMask();
};

void RealtimeRoundTest::raisedFromCountdownToMask_data()
{
    QTest::addColumn<bool>("givenUp");
    QTest::newRow("masked") << false;
    QTest::newRow("given up while the digits show") << true;
}

void RealtimeRoundTest::raisedFromCountdownToMask()
{
    QFETCH(bool, givenUp);
    FormProbe probe;
    QVERIFY(probe.showActive());
    bool digitsPainted = false;
    bool raisedWithDigits = false;
    bool raisedAfter = true;
    bool over = false;
    connect(probe.form().flashWatch(), &FlashWatch::digitsPainted, this, [&] {
        digitsPainted = true;
        raisedWithDigits = probe.boost().raised;
        if (givenUp) {
            probe.startButton()->click();
            raisedAfter = probe.boost().raised;
            over = true;
        }
    });
    connect(probe.form().flashWatch(), &FlashWatch::maskPainted, this, [&] {
        QMetaObject::invokeMethod(
            this,
            [&] {
                raisedAfter = probe.boost().raised;
                over = true;
            },
            Qt::QueuedConnection);
    });

    QVERIFY(!probe.boost().raised);
    probe.startButton()->click();
    QVERIFY(probe.boost().raised);
    // Should the mask's paint never come, the thread drops back within a second of its due.
    const auto maskDue = std::chrono::milliseconds(pabrel::CountdownSeconds * pabrel::CountTickMs +
                                                   pabrel::LongDisplayMs);
    QVERIFY(probe.boost().limit > maskDue && probe.boost().limit <= maskDue + 1s);
    probe.advance(pabrel::CountdownSeconds * pabrel::CountTickMs);
    QTRY_VERIFY(digitsPainted);
    if (!givenUp) {
        probe.advance(pabrel::LongDisplayMs);
    }
    QTRY_VERIFY(over);
    QVERIFY(raisedWithDigits);
    QVERIFY(!raisedAfter);
}

QTEST_MAIN(RealtimeRoundTest)
#include "realtime_round_test.moc"

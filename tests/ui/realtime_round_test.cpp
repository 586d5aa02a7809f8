// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's thread runs at real-time priority from the start of the countdown, through
// the digits' paint, to the mask's paint, and at normal priority before and after, and once
// a round is given up. Raising
// needs root or CAP_SYS_NICE (as in CI).

#include "flash_watch.h"
#include "form1.h"
#include "form_probe.h"
#include "realtime_boost.h"
#include "timer_periods.h"

#include <QPushButton>
#include <QTest>

#include <unistd.h>

using pabrel::realtime::RealtimeBoost;
using pabrel::testing::FormProbe;
using pabrel::ui::FlashWatch;
using pabrel::ui::Form1;

class RealtimeRoundTest : public QObject
{
    Q_OBJECT

private slots:
    void realTimeFromDigitsToMask_data();
    void realTimeFromDigitsToMask();
};

void RealtimeRoundTest::realTimeFromDigitsToMask_data()
{
    QTest::addColumn<bool>("givenUp");
    QTest::newRow("masked") << false;
    QTest::newRow("given up while the digits show") << true;
}

void RealtimeRoundTest::realTimeFromDigitsToMask()
{
    QFETCH(bool, givenUp);
#if defined(Q_OS_LINUX)
    if (geteuid() != 0) {
        QSKIP("raising a thread needs root or CAP_SYS_NICE");
    }
#else
    QSKIP("real-time scheduling is asked of Linux alone");
#endif
    FormProbe probe;
    Form1& form = probe.form();
    QVERIFY(probe.showActive());
    bool digitsPainted = false;
    bool realtimeWithDigits = false;
    bool realtimeAfter = true;
    bool over = false;
    connect(form.flashWatch(), &FlashWatch::digitsPainted, this, [&] {
        digitsPainted = true;
        realtimeWithDigits = RealtimeBoost::isCallingThreadRealtime();
        if (givenUp) {
            probe.startButton()->click();
            realtimeAfter = RealtimeBoost::isCallingThreadRealtime();
            over = true;
        }
    });
    connect(form.flashWatch(), &FlashWatch::maskPainted, this, [&] {
        QMetaObject::invokeMethod(
            this,
            [&] {
                realtimeAfter = RealtimeBoost::isCallingThreadRealtime();
                over = true;
            },
            Qt::QueuedConnection);
    });

    QVERIFY(!RealtimeBoost::isCallingThreadRealtime());
    probe.startButton()->click();
    QVERIFY(RealtimeBoost::isCallingThreadRealtime());
    probe.advance(pabrel::CountdownSeconds * pabrel::CountTickMs);
    QTRY_VERIFY(digitsPainted);
    if (!givenUp) {
        probe.advance(pabrel::LongDisplayMs);
    }
    QTRY_VERIFY(over);
    QVERIFY(realtimeWithDigits);
    QVERIFY(!realtimeAfter);
    QCOMPARE(form.realtimeBoost()->path(), RealtimeBoost::Path::Direct);
}

QTEST_MAIN(RealtimeRoundTest)
#include "realtime_round_test.moc"

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole round through the window's real timers, end to end, played as a person would: read the
// digits while they flash, type them back, see the result and then the new level. And the
// window wants its thread raised from the start of the countdown, through the digits'
// paint, to the mask's paint, and at normal priority before and after, and once a round is
// given up. The boost itself is tested against the real scheduler in tests/realtime.

#include "flash_watch.h"
#include "form1.h"
#include "form_probe.h"
#include "picture_box.h"
#include "timer_periods.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using pabrel::Timer;
using pabrel::testing::FormProbe;
using pabrel::testing::LevelText;
using pabrel::testing::TestTimers;
using pabrel::ui::FlashWatch;
using namespace std::chrono_literals;

class RoundTest : public QObject
{
    Q_OBJECT

private slots:
    void aRightAnswerShowsCorrectAndThenTheNextLevel();
    void raisedFromCountdownToMask_data();
    void raisedFromCountdownToMask();
};

void RoundTest::aRightAnswerShowsCorrectAndThenTheNextLevel()
{
    FormProbe probe({}, TestTimers::Kind::Real);
    QVERIFY(probe.showActive());

    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    QCOMPARE(probe.label()->text(), QStringLiteral("3"));
    QCOMPARE(probe.box(0)->text(), QStringLiteral(" "));
    QCOMPARE(probe.box(2)->text(), QStringLiteral("*"));
    QTRY_COMPARE_WITH_TIMEOUT(probe.label()->text(), QStringLiteral("2"), 2000);
    QTRY_COMPARE_WITH_TIMEOUT(probe.label()->text(), QStringLiteral("1"), 2000);
    QTRY_COMPARE_WITH_TIMEOUT(probe.label()->text(), QStringLiteral("GO"), 2000);

    // The digits are masked again after the flash, and the answer is due.
    QTRY_VERIFY_WITH_TIMEOUT(!probe.timer(Timer::tmrCount)->isActive(), 2000);
    const QString digits = probe.flashedDigits();
    QCOMPARE(digits.size(), 2);
    QCOMPARE(probe.box(0)->text(), QStringLiteral(" "));
    QCOMPARE(probe.box(1)->text(), QStringLiteral(" "));

    QTest::mouseClick(probe.pictureBox(), Qt::LeftButton);
    probe.type(digits);
    QCOMPARE(probe.box(0)->text(), digits.left(1));
    QCOMPARE(probe.box(1)->text(), digits.mid(1));
    QCOMPARE(probe.label()->text(), QStringLiteral("正解！"));

    QTRY_COMPARE_WITH_TIMEOUT(probe.label()->text(), LevelText + QStringLiteral("2"), 3000);
    QVERIFY(!probe.timer(Timer::tmrSeikai)->isActive());
    QCOMPARE(probe.timer(Timer::tmrQuestion)->interval(), 600);
}

void RoundTest::raisedFromCountdownToMask_data()
{
    QTest::addColumn<bool>("givenUp");
    QTest::newRow("masked") << false;
    QTest::newRow("given up while the digits show") << true;
}

void RoundTest::raisedFromCountdownToMask()
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

QTEST_MAIN(RoundTest)
#include "round_test.moc"

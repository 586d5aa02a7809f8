// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole round through the window's real timers, end to end, played as a person would: read the
// digits while they flash, type them back, see the result and then the new level.

#include "form_probe.h"
#include "picture_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using pabrel::Timer;
using pabrel::testing::FormProbe;
using pabrel::testing::LevelText;
using pabrel::testing::TestTimers;

class RoundTest : public QObject
{
    Q_OBJECT

private slots:
    void aRightAnswerShowsCorrectAndThenTheNextLevel();
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

QTEST_MAIN(RoundTest)
#include "round_test.moc"

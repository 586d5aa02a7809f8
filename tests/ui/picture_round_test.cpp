// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Which card Picture1 shows through whole rounds: the card of a
// level from the start of its round until the next start, whatever happens in between.

#include "built_in_pictures.h"
#include "form_probe.h"
#include "picture_box.h"
#include "shown_pictures.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using pabrel::Timer;
using pabrel::testing::FormProbe;
using pabrel::testing::LevelText;
using pabrel::testing::pictureBoxMismatch;
using pabrel::ui::builtInPictures;

namespace {

QString cardOf(int level)
{
    return QStringLiteral("level%1.bmp").arg(level);
}

} // namespace

class PictureRoundTest : public QObject
{
    Q_OBJECT

private slots:
    void eachLevelsCardShowsFromItsStartUntilTheNext();
    void aSecondStartAndGivingUpLeaveTheCard();
};

// Climbs from level 1 to 8 with right answers, starting each round during the pause after
// the last result except the first time, when the pause runs out.
void PictureRoundTest::eachLevelsCardShowsFromItsStartUntilTheNext()
{
    FormProbe probe(builtInPictures());
    QVERIFY(probe.showActive());
    QCOMPARE(pictureBoxMismatch(probe.pictureBox(), QStringLiteral("rules.bmp")), QString());

    for (int level = 1; level <= 8; ++level) {
        QVERIFY(probe.playToAnswering());
        QCOMPARE(pictureBoxMismatch(probe.pictureBox(), cardOf(level)), QString());
        probe.type(probe.flashedDigits());
        QCOMPARE(probe.label()->text(), QStringLiteral("正解！"));
        QCOMPARE(pictureBoxMismatch(probe.pictureBox(), cardOf(level)), QString());
        if (level == 1) {
            probe.advance(1500);
            QCOMPARE(probe.label()->text(), LevelText + QStringLiteral("2"));
            QCOMPARE(pictureBoxMismatch(probe.pictureBox(), cardOf(1)), QString());
        }
    }

    // Level 8 is the top: a right answer there keeps it, and its card shows again.
    QVERIFY(probe.playToAnswering());
    QCOMPARE(pictureBoxMismatch(probe.pictureBox(), cardOf(8)), QString());

    // Giving up lowers the level but leaves the card until the next start shows level 7's.
    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    QCOMPARE(probe.label()->text(), QStringLiteral("残念！"));
    QCOMPARE(pictureBoxMismatch(probe.pictureBox(), cardOf(8)), QString());
    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    QCOMPARE(probe.label()->text(), QStringLiteral("3"));
    QCOMPARE(pictureBoxMismatch(probe.pictureBox(), cardOf(7)), QString());
}

void PictureRoundTest::aSecondStartAndGivingUpLeaveTheCard()
{
    FormProbe probe(builtInPictures());
    QVERIFY(probe.showActive());

    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    const qint64 shown = probe.pictureBox()->picture().cacheKey();
    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    QCOMPARE(probe.label()->text(), QStringLiteral("3"));
    QCOMPARE(probe.pictureBox()->picture().cacheKey(), shown);
    QCOMPARE(pictureBoxMismatch(probe.pictureBox(), cardOf(1)), QString());

    probe.advance(3600);
    QVERIFY(!probe.timer(Timer::tmrCount)->isActive());
    QVERIFY(!probe.timer(Timer::tmrQuestion)->isActive());
    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    QCOMPARE(probe.label()->text(), QStringLiteral("残念！"));
    QCOMPARE(pictureBoxMismatch(probe.pictureBox(), cardOf(1)), QString());
    probe.advance(1500);
    QCOMPARE(probe.label()->text(), LevelText + QStringLiteral("1"));
    QCOMPARE(pictureBoxMismatch(probe.pictureBox(), cardOf(1)), QString());

    // Level 1 is the bottom: after a wrong answer there the next start shows its card again.
    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    QCOMPARE(pictureBoxMismatch(probe.pictureBox(), cardOf(1)), QString());
}

QTEST_MAIN(PictureRoundTest)
#include "picture_round_test.moc"

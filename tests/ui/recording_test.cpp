// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Rounds played in the real window, on timers the test steps, end up in the records file
// with what the player saw and typed.

#include "form_probe.h"
#include "record_keeping.h"
#include "record_store.h"
#include "records_window.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using pabrel::Timer;
using pabrel::records::RecordStore;
using pabrel::records::RoundRecord;
using pabrel::testing::FormProbe;
using pabrel::ui::RecordKeeping;

class RecordingTest : public QObject
{
    Q_OBJECT

private slots:
    void playedRoundsAreRecordedAsPlayed();
    void theContextMenuOpensTheRecordsWithoutStoppingTheGame();
    void anUnusableFileIsToldOnceAndLeftAlone();

private:
    static std::vector<RoundRecord> recorded(const QString& file)
    {
        RecordStore store(file);
        std::vector<RoundRecord> rounds;
        if (!store.open(RecordStore::Opening::ExistingOnly)) {
            store.forEachRound([&](const RoundRecord& round) { rounds.push_back(round); });
        }
        return rounds;
    }
};

void RecordingTest::playedRoundsAreRecordedAsPlayed()
{
    QTemporaryDir home;
    const QString file = home.filePath(QStringLiteral("pabrel/records.sqlite3"));
    QStringList shown;
    {
        FormProbe probe;
        RecordKeeping keeping(probe.form(), file);
        QVERIFY(probe.showActive());
        const QDateTime before = QDateTime::currentDateTimeUtc();

        // Right, then wrong with a letter, then given up while the digits show.
        QVERIFY(probe.playToAnswering());
        shown << probe.flashedDigits();
        probe.type(shown.last());
        probe.advance(1500);
        QCOMPARE(probe.label()->text(), QStringLiteral("ﾚﾍﾞﾙ 2"));
        QVERIFY(probe.playToAnswering());
        shown << probe.flashedDigits();
        probe.type(QStringLiteral("x,") + shown.last().right(1));
        probe.advance(1500);
        QCOMPARE(probe.label()->text(), QStringLiteral("ﾚﾍﾞﾙ 1"));
        QTest::mouseClick(probe.startButton(), Qt::LeftButton);
        probe.advance(3000);
        QCOMPARE(probe.label()->text(), QStringLiteral("GO"));
        QTest::mouseClick(probe.startButton(), Qt::LeftButton);
        probe.advance(1500);
        QCOMPARE(probe.label()->text(), QStringLiteral("ﾚﾍﾞﾙ 1"));
        // A round cut short by closing the window is no result.
        QTest::mouseClick(probe.startButton(), Qt::LeftButton);
        keeping.writer().waitUntilWritten();

        const std::vector<RoundRecord> rounds = recorded(file);
        QCOMPARE(rounds.size(), std::size_t{3});
        const struct
        {
            int level;
            QString typed;
            QString outcome;
            bool answered;
        } expected[] = {
            {1, shown[0], QStringLiteral("correct"), true},
            {2, QStringLiteral("x,") + shown[1].right(1), QStringLiteral("wrong"), true},
            {1, QString(), QStringLiteral("gave-up"), false}};
        for (int i = 0; i < 3; ++i) {
            const RoundRecord& round = rounds[i];
            QCOMPARE(round.level, expected[i].level);
            QCOMPARE(round.typed, expected[i].typed);
            QCOMPARE(round.outcome, expected[i].outcome);
            QCOMPARE(round.displayMs, 600);
            QCOMPARE(round.paintedMs.has_value(), expected[i].answered);
            QCOMPARE(round.answerMs.has_value(), expected[i].answered);
            QVERIFY(round.startedAt >= before &&
                    round.startedAt <= QDateTime::currentDateTimeUtc());
            QVERIFY(i == 0 || round.startedAt > rounds[i - 1].startedAt);
        }
        QCOMPARE(rounds[0].shown, shown[0]);
        QCOMPARE(rounds[1].shown, shown[1]);
        QCOMPARE(rounds[2].shown.size(), 2);
        QVERIFY(*rounds[0].paintedMs > 0);
        QVERIFY(*rounds[0].answerMs >= 0);
        static_cast<QWidget&>(probe.form()).close();
    }
    QCOMPARE(recorded(file).size(), std::size_t{3});
}

void RecordingTest::theContextMenuOpensTheRecordsWithoutStoppingTheGame()
{
    QTemporaryDir home;
    FormProbe probe;
    RecordKeeping keeping(probe.form(), home.filePath(QStringLiteral("records.sqlite3")));
    QVERIFY(probe.showActive());
    auto& form = probe.form();
    QTest::mouseClick(probe.startButton(), Qt::LeftButton);

    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5),
                                 form.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&form, &rightClick);
    QMenu* menu = form.findChild<QMenu*>();
    QVERIFY(menu);
    QTRY_VERIFY(menu->isVisible());
    // The window's one menu offers the listening mode and the records.
    QCOMPARE(menu->actions().size(), 2);
    QCOMPARE(menu->actions()[0]->text(), QStringLiteral("聞いて覚える"));
    QCOMPARE(menu->actions()[1]->text(), QStringLiteral("記録を見る…"));
    menu->actions()[1]->trigger();
    menu->close();

    QVERIFY(keeping.recordsWindow() && keeping.recordsWindow()->isVisible());
    QVERIFY(!keeping.recordsWindow()->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(probe.timer(Timer::tmrCount)->isActive());
    probe.advance(3000);
    QCOMPARE(probe.label()->text(), QStringLiteral("GO"));
}

void RecordingTest::anUnusableFileIsToldOnceAndLeftAlone()
{
    QTemporaryDir home;
    const QString file = home.filePath(QStringLiteral("records.sqlite3"));
    QFile text(file);
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("level,shown\n3,1234\n");
    text.close();

    FormProbe probe;
    RecordKeeping keeping(probe.form(), file);
    QVERIFY(probe.showActive());
    auto& form = probe.form();
    QMessageBox* told = nullptr;
    QTRY_VERIFY((told = form.findChild<QMessageBox*>(QStringLiteral("recordsFailure"))));
    QVERIFY(told->text().contains(file));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    // The game plays on, and its round goes nowhere.
    QVERIFY(probe.playToAnswering());
    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    keeping.writer().waitUntilWritten();
    QApplication::processEvents();
    QCOMPARE(form.findChildren<QMessageBox*>().size(), 1);
    QCOMPARE(probe.label()->text(), QStringLiteral("残念！"));
    QFile after(file);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), QByteArray("level,shown\n3,1234\n"));
}

QTEST_MAIN(RecordingTest)
#include "recording_test.moc"

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Rounds played in the real window, on timers the test steps, end up in the records file
// with what the player saw and typed.

#include "fake_speech.h"
#include "form_probe.h"
#include "listening_mode.h"
#include "order_switch.h"
#include "record_keeping.h"
#include "record_store.h"
#include "records_window.h"
#include "round_reader.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using pabrel::Timer;
using pabrel::desktop::RecordKeeping;
using pabrel::records::RecordStore;
using pabrel::testing::FormProbe;

class RecordingTest : public QObject
{
    Q_OBJECT

private slots:
    void playedRoundsAreRecordedAsPlayed();
    void roundsAreRecordedWithTheirPresentationAndOrder();
    void theContextMenuOpensTheRecordsWithoutStoppingTheGame();
    void anUnusableFileIsToldOnceAndLeftAlone();

private:
    // Each round's fields: started_at, level, shown, typed, outcome, display_ms,
    // painted_ms, answer_ms, presentation.
    static std::vector<QStringList> recorded(const QString& file)
    {
        RecordStore store(file);
        std::vector<QStringList> rounds;
        if (!store.open(RecordStore::Opening::ExistingOnly)) {
            pabrel::records::forEachRound(
                store, [&](const QStringList& round) { rounds.push_back(round); });
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

        const std::vector<QStringList> rounds = recorded(file);
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
        QDateTime previous = before;
        for (int i = 0; i < 3; ++i) {
            const QStringList& round = rounds[i];
            const QDateTime startedAt = QDateTime::fromString(round[0], Qt::ISODateWithMs);
            QCOMPARE(round[1].toInt(), expected[i].level);
            QCOMPARE(round[3], expected[i].typed);
            QCOMPARE(round[4], expected[i].outcome);
            QCOMPARE(round[5], QStringLiteral("600"));
            QCOMPARE(!round[6].isEmpty(), expected[i].answered);
            QCOMPARE(!round[7].isEmpty(), expected[i].answered);
            // Played on the test's clock, two rounds may start within the same millisecond.
            QVERIFY(startedAt >= previous && startedAt <= QDateTime::currentDateTimeUtc());
            previous = startedAt;
        }
        QCOMPARE(rounds[0][2], shown[0]);
        QCOMPARE(rounds[1][2], shown[1]);
        QCOMPARE(rounds[2][2].size(), 2);
        QVERIFY(rounds[0][6].toDouble() > 0);
        QVERIFY(rounds[0][7].toLongLong() >= 0);
        static_cast<QWidget&>(probe.form()).close();
    }
    QCOMPARE(recorded(file).size(), std::size_t{3});
}

// A round read aloud, its order said first, then a flashed one, both answered backwards.
void RecordingTest::roundsAreRecordedWithTheirPresentationAndOrder()
{
    QTemporaryDir home;
    const QString file = home.filePath(QStringLiteral("records.sqlite3"));
    pabrel::testing::FakeSpeech::Script script;
    pabrel::ui::storeOrder(pabrel::RecallOrder::Backward);
    FormProbe probe;
    pabrel::ui::storeOrder(pabrel::RecallOrder::Forward);
    pabrel::ui::ListeningMode* mode = probe.form().listeningMode();
    mode->setSpeechFactory(
        [&script] { return std::make_unique<pabrel::testing::FakeSpeech>(script); });
    RecordKeeping keeping(probe.form(), file);
    QSignalSpy done(mode, &pabrel::ui::ListeningMode::readingDone);
    QVERIFY(probe.showActive() && mode->setOn(true));
    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    probe.advance(3000);
    QTRY_COMPARE(done.size(), 1);
    QCOMPARE(script.said.first(), QStringLiteral("答え方：逆から"));
    probe.type(script.said[2] + script.said[1]);
    probe.advance(1500);
    mode->setOn(false);
    QVERIFY(probe.playToAnswering());
    QString backwards = probe.flashedDigits();
    std::reverse(backwards.begin(), backwards.end());
    probe.type(backwards);
    probe.advance(1500);
    keeping.writer().waitUntilWritten();
    const std::vector<QStringList> rounds = recorded(file);
    QCOMPARE(rounds.size(), std::size_t{2});
    QCOMPARE(rounds[0][4], QStringLiteral("correct"));
    QCOMPARE(rounds[1][4], QStringLiteral("correct"));
    QCOMPARE(rounds[0].mid(8), (QStringList{"spoken", "backward"}));
    QCOMPARE(rounds[1].mid(8), (QStringList{"shown", "backward"}));
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
    // The window's one menu offers the listening mode, the language, the answer order and
    // the records.
    QCOMPARE(menu->actions().size(), 4);
    QCOMPARE(menu->actions()[0]->text(), QStringLiteral("聞いて覚える"));
    QCOMPARE(menu->actions()[1]->text(), QStringLiteral("言語"));
    QCOMPARE(menu->actions()[2]->text(), QStringLiteral("答え方"));
    QCOMPARE(menu->actions()[3]->text(), QStringLiteral("記録を見る…"));
    menu->actions()[3]->trigger();
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

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The listening mode in the real window, with a speech service that only takes notes:
// switching it on, a spoken round, and what happens when speech is not to be had.

#include "fake_speech.h"
#include "form_probe.h"
#include "listening_mode.h"
#include "next_message.h"
#include "player_settings.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using pabrel::testing::answerNextMessage;
using pabrel::testing::FakeSpeech;
using pabrel::testing::FormProbe;
using pabrel::testing::LevelText;
using pabrel::ui::ListeningMode;

namespace {
// A shown window whose speech is `script`'s; `speech` is the service it made last.
struct Window
{
    explicit Window(FakeSpeech::Script& script)
    {
        probe.form().listeningMode()->setSpeechFactory([&script, this] {
            auto made = std::make_unique<FakeSpeech>(script);
            speech = made.get();
            return made;
        });
    }

    // Switches the mode on and counts a round down to its first spoken digit.
    bool startListeningRound()
    {
        if (!probe.showActive() || !mode->setOn(true)) {
            return false;
        }
        QTest::mouseClick(probe.startButton(), Qt::LeftButton);
        probe.advance(3000);
        return true;
    }

    bool masked() const
    {
        for (int i = 0; i < 9; ++i) {
            if (!QStringLiteral(" *").contains(probe.box(i)->text())) {
                return false;
            }
        }
        return true;
    }

    FormProbe probe;
    ListeningMode* mode = probe.form().listeningMode();
    FakeSpeech* speech = nullptr;
    QSignalSpy done{mode, &ListeningMode::readingDone};
};

} // namespace

class ListeningTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { pabrel::ui::playerSettings().clear(); }
    void theContextMenuSwitchesTheModeOnForThisAndTheNextRun();
    void theAnswerIsDueOnceTheLastDigitHasBeenSaid();
    void givingUpWhileReadingStopsTheSpeech();
    void withoutSpeechTheModeSaysSoAndStaysOff();
    void speechFailingMidRoundFlashesTheQuestionAndSwitchesOff();
};

void ListeningTest::theContextMenuSwitchesTheModeOnForThisAndTheNextRun()
{
    FakeSpeech::Script script;
    {
        Window window(script);
        QVERIFY(window.probe.showActive());
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                window.probe.form().mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&window.probe.form(), &click);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        QStringList offered;
        for (QAction* action : menu->actions()) {
            offered += action->text();
        }
        menu->actions().constFirst()->trigger();
        menu->close();
        QCOMPARE(offered, (QStringList{QStringLiteral("聞いて覚える"), QStringLiteral("言語"),
                                       QStringLiteral("答え方")}));
        QVERIFY(window.mode->action()->isChecked());
    }
    Window next(script);
    next.mode->restore();
    QVERIFY(next.mode->isOn());
}

void ListeningTest::theAnswerIsDueOnceTheLastDigitHasBeenSaid()
{
    FakeSpeech::Script script;
    script.endsByItself = false;
    Window window(script);
    QVERIFY(window.startListeningRound());
    QCOMPARE(script.said.size(), 1);
    QCOMPARE(window.probe.label()->text(), QStringLiteral("GO"));
    // A slow voice holds the next digit back until it has finished.
    QTest::qWait(1500);
    QCOMPARE(script.said.size(), 1);
    window.speech->finish();
    QTRY_COMPARE(script.said.size(), 2);
    for (const QString& digit : script.said) {
        QVERIFY(digit.size() == 1 && digit[0].isDigit());
    }
    // Keys before the last digit has been said are no answer.
    window.probe.type(QStringLiteral("12"));
    QCOMPARE(window.probe.label()->text(), QStringLiteral("GO"));
    QVERIFY(window.masked());

    window.speech->finish();
    QTRY_COMPARE(window.done.size(), 1);
    QVERIFY(window.masked());
    window.probe.type(script.said.join(QString()));
    QCOMPARE(window.probe.label()->text(), QStringLiteral("正解！"));
    window.probe.advance(1500);
    QCOMPARE(window.probe.label()->text(), LevelText + "2");
}

void ListeningTest::givingUpWhileReadingStopsTheSpeech()
{
    FakeSpeech::Script script;
    script.endsByItself = false;
    Window window(script);
    QVERIFY(window.startListeningRound());
    QCOMPARE(script.said.size(), 1);
    QTest::mouseClick(window.probe.startButton(), Qt::LeftButton);
    QCOMPARE(window.probe.label()->text(), QStringLiteral("残念！"));
    QCOMPARE(script.cancels, 1);
    // A report that arrives late changes nothing.
    window.speech->finish();
    QTest::qWait(1200);
    QCOMPARE(script.said.size(), 1);
    QVERIFY(window.done.isEmpty());
}

void ListeningTest::withoutSpeechTheModeSaysSoAndStaysOff()
{
    FakeSpeech::Script script;
    script.opens = false;
    Window window(script);
    QVERIFY(window.probe.showActive());

    QString message;
    answerNextMessage(message);
    window.mode->setOn(true);
    QTRY_VERIFY(message.contains(QStringLiteral("speech-dispatcher")));
    QVERIFY(!window.mode->action()->isChecked());
    QVERIFY(!pabrel::ui::playerSettings().value(QStringLiteral("listening")).toBool());
    // The game itself goes on as ever.
    QVERIFY(window.probe.playToAnswering());
    QCOMPARE(window.probe.flashedDigits().size(), 2);
}

void ListeningTest::speechFailingMidRoundFlashesTheQuestionAndSwitchesOff()
{
    FakeSpeech::Script script;
    script.endsByItself = false;
    Window window(script);
    QVERIFY(window.startListeningRound());
    QCOMPARE(script.said.size(), 1);
    QString message;
    answerNextMessage(message);
    window.speech->fail();
    QTRY_VERIFY(!message.isEmpty());
    QVERIFY(!window.mode->isOn());

    QTRY_VERIFY(window.probe.box(0)->text().at(0).isDigit());
    const QString flashed = window.probe.box(0)->text() + window.probe.box(1)->text();
    window.probe.advance(600);
    QVERIFY(window.masked());
    QVERIFY(window.probe.showActive()); // the message box took the keyboard with it
    window.probe.type(flashed);
    QCOMPARE(window.probe.label()->text(), QStringLiteral("正解！"));
}

QTEST_MAIN(ListeningTest)
#include "listening_test.moc"

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The listening mode in the real window, with a speech service that only takes notes:
// switching it on and off, a spoken round, and what happens when speech is not to be had.

#include "fake_speech.h"
#include "form1.h"
#include "form_probe.h"
#include "listening_mode.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using pabrel::testing::FakeSpeech;
using pabrel::testing::FormProbe;
using pabrel::testing::LevelText;
using pabrel::ui::Form1;

namespace {
constexpr int ReadingMs = 8000;

// Gives the window a fake speech service; `made` points at the one made last.
void useFakeSpeech(Form1& form, FakeSpeech::Script& script, FakeSpeech** made = nullptr)
{
    form.listeningMode()->setSpeechFactory([&script, made] {
        auto speech = std::make_unique<FakeSpeech>(script);
        if (made != nullptr) {
            *made = speech.get();
        }
        return speech;
    });
}

// Presses OK on the next message box once it is open, noting what it said in `text`.
void answerNextMessage(QString& text)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr) {
            text = box->text();
            box->button(QMessageBox::Ok)->click();
            poll->deleteLater();
        }
    });
    poll->start(20);
}

bool boxesShowOnly(const FormProbe& probe, const QString& allowed)
{
    for (int i = 0; i < 9; ++i) {
        if (!allowed.contains(probe.box(i)->text())) {
            return false;
        }
    }
    return true;
}
} // namespace

class ListeningTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); }
    void theContextMenuSwitchesTheModeAndItIsRemembered();
    void aSpokenRoundKeepsTheBoxesMaskedUntilTheLastDigitIsSaid();
    void eachDigitWaitsForTheOneBeforeIt();
    void givingUpWhileReadingStopsTheSpeech();
    void withoutSpeechTheModeSaysSoAndStaysOff();
    void speechFailingMidRoundFlashesTheQuestionAndSwitchesOff();
};

void ListeningTest::theContextMenuSwitchesTheModeAndItIsRemembered()
{
    FakeSpeech::Script script;
    {
        Form1 form;
        useFakeSpeech(form, script);
        FormProbe probe(form);
        QVERIFY(probe.showActive());
        QStringList offered;
        QTimer::singleShot(0, [&offered] {
            QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            for (QAction* action : menu->actions()) {
                offered += action->text();
            }
            menu->actions().constFirst()->trigger();
            menu->close();
        });
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                form.mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&form, &click);
        QCOMPARE(offered, QStringList{QStringLiteral("聞いて覚える")});
        QVERIFY(form.listeningMode()->isOn());
        QVERIFY(form.listeningMode()->action()->isChecked());
    }
    {
        Form1 next;
        useFakeSpeech(next, script);
        QVERIFY(!next.listeningMode()->isOn());
        next.listeningMode()->restore();
        QVERIFY(next.listeningMode()->isOn());
        next.listeningMode()->setOn(false);
    }
    Form1 afterwards;
    afterwards.listeningMode()->restore();
    QVERIFY(!afterwards.listeningMode()->isOn());
}

void ListeningTest::aSpokenRoundKeepsTheBoxesMaskedUntilTheLastDigitIsSaid()
{
    FakeSpeech::Script script;
    Form1 form;
    useFakeSpeech(form, script);
    FormProbe probe(form);
    QVERIFY(probe.showActive());
    QVERIFY(form.listeningMode()->setOn(true));

    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(probe.label()->text(), QStringLiteral("GO"), 4000);
    QSignalSpy done(form.listeningMode(), &pabrel::ui::ListeningMode::readingDone);
    bool maskedWhileReading = true;
    QVERIFY(QTest::qWaitFor(
        [&] {
            maskedWhileReading = maskedWhileReading && boxesShowOnly(probe, QStringLiteral(" *"));
            return !done.isEmpty();
        },
        ReadingMs));
    QCOMPARE(done.constFirst().constFirst().toBool(), true);
    QCOMPARE(script.said.size(), 2);
    for (const QString& digit : script.said) {
        QVERIFY(digit.size() == 1 && digit[0].isDigit());
    }
    QVERIFY(maskedWhileReading);

    probe.type(script.said.join(QString()));
    QCOMPARE(probe.label()->text(), QStringLiteral("正解！"));
    QTRY_COMPARE_WITH_TIMEOUT(probe.label()->text(), LevelText + "2", 3000);
}

void ListeningTest::eachDigitWaitsForTheOneBeforeIt()
{
    FakeSpeech::Script script;
    script.endsByItself = false;
    FakeSpeech* speech = nullptr;
    Form1 form;
    useFakeSpeech(form, script, &speech);
    FormProbe probe(form);
    QVERIFY(probe.showActive());
    QVERIFY(form.listeningMode()->setOn(true));

    QSignalSpy done(form.listeningMode(), &pabrel::ui::ListeningMode::readingDone);
    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(script.said.size(), 1, 4000);
    QTest::qWait(1500);
    QCOMPARE(script.said.size(), 1);
    speech->finish();
    QTRY_COMPARE(script.said.size(), 2);
    // Keys before the last digit has been said are not an answer.
    probe.type(QStringLiteral("12"));
    QCOMPARE(probe.label()->text(), QStringLiteral("GO"));
    speech->finish();
    QTRY_COMPARE(done.size(), 1);
    probe.type(script.said.join(QString()));
    QCOMPARE(probe.label()->text(), QStringLiteral("正解！"));
}

void ListeningTest::givingUpWhileReadingStopsTheSpeech()
{
    FakeSpeech::Script script;
    script.endsByItself = false;
    FakeSpeech* speech = nullptr;
    Form1 form;
    useFakeSpeech(form, script, &speech);
    FormProbe probe(form);
    QVERIFY(probe.showActive());
    QVERIFY(form.listeningMode()->setOn(true));

    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(script.said.size(), 1, 4000);
    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    QCOMPARE(probe.label()->text(), QStringLiteral("残念！"));
    QCOMPARE(script.cancels, 1);

    // A report that arrives late changes nothing.
    speech->finish();
    QTest::qWait(1200);
    QCOMPARE(script.said.size(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(probe.label()->text(), LevelText + "1", 3000);
}

void ListeningTest::withoutSpeechTheModeSaysSoAndStaysOff()
{
    FakeSpeech::Script script;
    script.opens = false;
    Form1 form;
    useFakeSpeech(form, script);
    FormProbe probe(form);
    QVERIFY(probe.showActive());

    QString message;
    answerNextMessage(message);
    QVERIFY(!form.listeningMode()->setOn(true));
    QVERIFY(message.contains(QStringLiteral("speech-dispatcher")));
    QVERIFY(!form.listeningMode()->action()->isChecked());
    QVERIFY(!QSettings().value(QStringLiteral("listening")).toBool());

    // The game itself goes on as ever.
    QVERIFY(probe.playToAnswering());
    QCOMPARE(probe.flashedDigits().size(), 2);
    QVERIFY(script.said.isEmpty());
}

void ListeningTest::speechFailingMidRoundFlashesTheQuestionAndSwitchesOff()
{
    FakeSpeech::Script script;
    script.endsByItself = false;
    FakeSpeech* speech = nullptr;
    Form1 form;
    useFakeSpeech(form, script, &speech);
    FormProbe probe(form);
    QVERIFY(probe.showActive());
    QVERIFY(form.listeningMode()->setOn(true));

    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(script.said.size(), 1, 4000);
    QString message;
    answerNextMessage(message);
    speech->fail();
    QTRY_VERIFY(!message.isEmpty());
    QVERIFY(!form.listeningMode()->isOn());

    QTRY_VERIFY(probe.box(0)->text().at(0).isDigit());
    const QString flashed = probe.box(0)->text() + probe.box(1)->text();
    QTRY_VERIFY(boxesShowOnly(probe, QStringLiteral(" *")));
    // The message box took the keyboard with it.
    QVERIFY(probe.showActive());
    probe.type(flashed);
    QCOMPARE(probe.label()->text(), QStringLiteral("正解！"));
}

QTEST_MAIN(ListeningTest)
#include "listening_test.moc"

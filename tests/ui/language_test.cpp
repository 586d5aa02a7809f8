// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Which language the window starts in, and changing it from the window's menu: between
// rounds every text, card and voice changes at once; a choice made during a round waits
// for its end. Japanese keeps the window exactly as it always was.

#include "built_in_pictures.h"
#include "card_texts.h"
#include "fake_speech.h"
#include "form_probe.h"
#include "language.h"
#include "listening_mode.h"
#include "picture_box.h"
#include "player_settings.h"
#include "shown_pictures.h"
#include "translations.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using pabrel::testing::FakeSpeech;
using pabrel::testing::FormProbe;
using pabrel::testing::pictureBoxMismatch;
using pabrel::ui::Language;

namespace {
// Picks an entry of one of the window's context submenus, as a player does.
void choose(pabrel::ui::Form1& form, const QString& entryText,
            const QString& submenu = QStringLiteral("language"))
{
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), form.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&form, &click);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    for (QAction* entry : menu->actions()) {
        if (entry->objectName() == submenu) {
            for (QAction* each : entry->menu()->actions()) {
                if (each->text() == entryText) {
                    each->trigger();
                }
            }
        }
    }
    menu->close();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
}

QString cardText(Language language, int level)
{
    const auto cards = pabrel::card_texts::cardsIn(language);
    return QString::fromStdString(pabrel::card_texts::joined(cards.levels[level - 1]));
}

// The text and the standard button of the next message box, closed once read.
void readNextMessage(QString& text, QString& button)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &text, &button] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            button = box->button(QMessageBox::Ok)->text();
            box->button(QMessageBox::Ok)->click();
            poll->deleteLater();
        }
    });
    poll->start(20);
}
} // namespace

class LanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void followsTheDesktopUnlessChosen_data();
    void followsTheDesktopUnlessChosen();
    void aChoiceDuringARoundWaitsForItsEnd();
    void betweenRoundsEverythingChangesAndJapaneseIsAsBefore();
    void qtsOwnWordsAndTheFarewellAreInTheLanguage_data();
    void qtsOwnWordsAndTheFarewellAreInTheLanguage();
    void theDigitsAreSpokenInTheLanguage();
    void eachOrderIsNamedRememberedAndJudgedInTheWindow_data();
    void eachOrderIsNamedRememberedAndJudgedInTheWindow();
};

void LanguageTest::init()
{
    pabrel::ui::playerSettings().clear();
    FormProbe::translations().use(Language::Japanese);
}

void LanguageTest::followsTheDesktopUnlessChosen_data()
{
    QTest::addColumn<QStringList>("desktop");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<Language>("expected");
    const QString none;
    const Language ja = Language::Japanese;
    const Language en = Language::English;
    QTest::newRow("C locale") << QStringList{"C"} << none << ja;
    QTest::newRow("nothing at all") << QStringList{} << none << ja;
    QTest::newRow("Japanese") << QStringList{"ja-JP", "ja-Jpan-JP", "ja"} << none << ja;
    QTest::newRow("English") << QStringList{"en-US", "en-Latn-US", "en"} << none << en;
    QTest::newRow("German") << QStringList{"de-DE", "de"} << none << en;
    QTest::newRow("English before Japanese") << QStringList{"fr", "en", "ja"} << none << en;
    QTest::newRow("Japanese before English") << QStringList{"de", "ja", "en"} << none << ja;
    QTest::newRow("chosen over the desktop") << QStringList{"en-US"} << "ja" << ja;
    QTest::newRow("chosen over C") << QStringList{"C"} << "en" << en;
    QTest::newRow("unreadable choice") << QStringList{"en-US"} << "english" << en;
    QTest::newRow("empty choice") << QStringList{"C"} << "" << ja;
}

void LanguageTest::followsTheDesktopUnlessChosen()
{
    QFETCH(QStringList, desktop);
    QFETCH(QString, stored);
    QFETCH(Language, expected);
    if (!stored.isNull()) {
        pabrel::ui::playerSettings().setValue(QStringLiteral("language"), stored);
    }
    QCOMPARE(pabrel::ui::startingLanguage(desktop), expected);
}

void LanguageTest::aChoiceDuringARoundWaitsForItsEnd()
{
    FormProbe probe(pabrel::ui::builtInPictures());
    QVERIFY(probe.showActive());
    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    choose(probe.form(), QStringLiteral("English"));
    QCOMPARE(pabrel::ui::storedLanguage(), Language::English);

    probe.advance(3600);
    probe.type(probe.flashedDigits());
    QTest::qWait(50);
    QCOMPARE(probe.label()->text(), QStringLiteral("正解！"));
    QCOMPARE(probe.startButton()->text(), QStringLiteral("スタート"));
    QCOMPARE(FormProbe::translations().language(), Language::Japanese);

    probe.advance(1500);
    QTRY_COMPARE(probe.label()->text(), QStringLiteral("Level 2"));
    QCOMPARE(probe.startButton()->text(), QStringLiteral("Start"));
    QCOMPARE(probe.endButton()->accessibleName(), QStringLiteral("Quit"));
    QCOMPARE(probe.pictureBox()->accessibleName(), QStringLiteral("Card"));
    QCOMPARE(probe.pictureBox()->accessibleDescription(), cardText(Language::English, 1));
    QCOMPARE(pictureBoxMismatch(probe.pictureBox(), QStringLiteral("en/level1.bmp")), QString());
}

void LanguageTest::betweenRoundsEverythingChangesAndJapaneseIsAsBefore()
{
    // A window switched back to Japanese is the window that starts in Japanese. The picture
    // box shows no focus mark, and no caret blinks in it.
    const auto shotOf = [](FormProbe& probe) {
        probe.pictureBox()->setFocus();
        return probe.shot();
    };
    FormProbe::translations().use(Language::English);
    FormProbe probe(pabrel::ui::builtInPictures(Language::English));
    QVERIFY(probe.showActive());
    QCOMPARE(probe.label()->text(), QStringLiteral("Level 1"));
    QCOMPARE(probe.label()->font().pointSize(), 54);
    QCOMPARE(pictureBoxMismatch(probe.pictureBox(), QStringLiteral("en/rules.bmp")), QString());
    const QImage english = shotOf(probe);

    choose(probe.form(), QStringLiteral("日本語"));
    QTRY_COMPARE(probe.label()->text(), QStringLiteral("ﾚﾍﾞﾙ 1"));
    FormProbe japanese(pabrel::ui::builtInPictures());
    QVERIFY(japanese.showActive());
    const QImage expected = shotOf(japanese);
    QVERIFY(english != expected);
    QCOMPARE(shotOf(probe), expected);
}

void LanguageTest::qtsOwnWordsAndTheFarewellAreInTheLanguage_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("farewell");
    QTest::newRow("Japanese") << Language::Japanese
                              << QStringList{"OK", "キャンセル", "はい(&Y)", "いいえ(&N)"}
                              << QStringLiteral("またの挑戦ををお待ちしております。");
    QTest::newRow("English") << Language::English << QStringList{"OK", "Cancel", "&Yes", "&No"}
                             << QStringLiteral("We look forward to your next attempt!");
}

void LanguageTest::qtsOwnWordsAndTheFarewellAreInTheLanguage()
{
    QFETCH(Language, language);
    QFETCH(QStringList, buttons);
    QFETCH(QString, farewell);
    FormProbe::translations().use(language);
    QMessageBox question;
    QStringList shown;
    for (const auto each :
         {QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::No}) {
        shown += question.addButton(each)->text();
    }
    QCOMPARE(shown.join(u'|'), buttons.join(u'|'));

    FormProbe probe(pabrel::ui::builtInPictures(language));
    QVERIFY(probe.showActive());
    QString text;
    QString ok;
    readNextMessage(text, ok);
    QTest::mouseClick(probe.endButton(), Qt::LeftButton);
    QCOMPARE(text, farewell);
    QCOMPARE(ok, buttons.first());
}

void LanguageTest::theDigitsAreSpokenInTheLanguage()
{
    FakeSpeech::Script script;
    FormProbe probe;
    pabrel::ui::ListeningMode* mode = probe.form().listeningMode();
    mode->setSpeechFactory([&script] { return std::make_unique<FakeSpeech>(script); });
    QVERIFY(probe.showActive());
    QVERIFY(mode->setOn(true));
    QCOMPARE(script.language, Language::Japanese);
    QCOMPARE(mode->action()->text(), QStringLiteral("聞いて覚える"));
    choose(probe.form(), QStringLiteral("English"));
    QTRY_COMPARE(script.language, Language::English);
    QCOMPARE(mode->action()->text(), QStringLiteral("Listen and Remember"));
}

void LanguageTest::eachOrderIsNamedRememberedAndJudgedInTheWindow_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("card");
    QTest::newRow("逆から") << QStringLiteral("Pabrel（逆から）")
                            << QStringLiteral("rules_backward.bmp");
    QTest::newRow("小さい順") << QStringLiteral("Pabrel（小さい順）")
                              << QStringLiteral("rules_ascending.bmp");
    QTest::newRow("そのまま") << QStringLiteral("Pabrel") << QStringLiteral("rules.bmp");
}

// The window names the order and shows its card, remembers the choice for the next run,
// and judges the answer in that order; the order as shown keeps the plain title.
void LanguageTest::eachOrderIsNamedRememberedAndJudgedInTheWindow()
{
    const QString entry = QString::fromUtf8(QTest::currentDataTag());
    QFETCH(QString, title);
    QFETCH(QString, card);
    for (const bool choosing : {true, false}) {
        FormProbe probe(pabrel::ui::builtInPictures());
        QVERIFY(probe.showActive());
        if (choosing) {
            choose(probe.form(), QStringLiteral("逆から"), QStringLiteral("order"));
            choose(probe.form(), entry, QStringLiteral("order"));
        }
        QCOMPARE(probe.form().windowTitle(), title);
        QCOMPARE(pictureBoxMismatch(probe.pictureBox(), card), QString());
        QVERIFY(probe.playToAnswering());
        // The usual digits flash 3 then 1 at level 1.
        probe.type(QStringLiteral("13"));
        QCOMPARE(probe.label()->text(), entry == QStringLiteral("そのまま")
                                            ? QStringLiteral("残念！")
                                            : QStringLiteral("正解！"));
    }
}

QTEST_MAIN(LanguageTest)
#include "language_test.moc"

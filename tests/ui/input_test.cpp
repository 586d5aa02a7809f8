// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Keys and input-method text, with keyboard capture off (they reach only the focused
// control) and on (each character reaches the game first, then goes on to the control).

#include "form_probe.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using pabrel::Timer;
using pabrel::testing::FormProbe;
using pabrel::testing::LevelText;

namespace {
const QString Wrong = QStringLiteral("残念！");

void commit(const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(QApplication::focusWidget(), &event);
}

// Whether `box` shows `text` from its first character on, as a box holding just that
// much would.
bool showsFromTheStart(QLineEdit* box, const QString& text, int visibleWidth)
{
    QLineEdit reference(text, box->parentWidget());
    reference.setFont(box->font());
    reference.setGeometry(box->geometry());
    reference.show();
    const QRect left(0, 0, visibleWidth, box->height());
    return box->grab(left).toImage() == reference.grab(left).toImage();
}
} // namespace

class InputTest : public QObject
{
    Q_OBJECT

private slots:
    void withCaptureOffTypingReachesOnlyTheFocusedBox();
    void answerKeysReachTheGameAndThenTheFocusedControl();
    void spaceOnTheFocusedStartButtonIsAKeyAndThenAClick();
    void anInputMethodCommitIsOneKeyPerCharacter();
};

void InputTest::withCaptureOffTypingReachesOnlyTheFocusedBox()
{
    FormProbe probe;
    QVERIFY(probe.showActive());
    probe.type(QStringLiteral("12"));
    QCOMPARE(probe.box(0)->text(), QStringLiteral("12"));
    QCOMPARE(probe.label()->text(), LevelText + QStringLiteral("1"));

    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    QCOMPARE(probe.box(0)->text(), QStringLiteral(" "));
    probe.type(QStringLiteral("34 "));
    QCOMPARE(probe.box(1)->text(), QStringLiteral(" "));
    QCOMPARE(probe.label()->text(), QStringLiteral("3"));
    QVERIFY(probe.timer(Timer::tmrCount)->isActive());
}

void InputTest::answerKeysReachTheGameAndThenTheFocusedControl()
{
    FormProbe probe;
    QVERIFY(probe.showActive());
    QVERIFY(probe.playToAnswering());

    // Focus keys and keys without a character are not answers.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(probe.focusedName(), QStringLiteral("Picture1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F5);
    QCOMPARE(probe.box(0)->text(), QStringLiteral(" "));

    // The game writes the key into box 0, then the focused box 0 inserts it as typed.
    QTest::mouseClick(probe.box(0), Qt::LeftButton);
    probe.type(QStringLiteral("3"));
    QCOMPARE(probe.box(0)->text(), QStringLiteral("33"));

    // 'a' is code 97 and so the value 49, which its box shows from the first digit on.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(probe.focusedName(), QStringLiteral("cmdStart"));
    probe.type(QStringLiteral("a"));
    QCOMPARE(probe.box(1)->text(), QStringLiteral("49"));
    QCOMPARE(probe.label()->text(), Wrong);
    QVERIFY(showsFromTheStart(probe.box(1), QStringLiteral("4"), 40));

    // The answer is judged and capture is off: a further key changes nothing.
    probe.type(QStringLiteral("5"));
    QCOMPARE(probe.box(2)->text(), QStringLiteral("*"));
    QCOMPARE(probe.label()->text(), Wrong);
    QVERIFY(probe.timer(Timer::tmrSeikai)->isActive());
    QVERIFY(!probe.timer(Timer::tmrCount)->isActive());
}

void InputTest::spaceOnTheFocusedStartButtonIsAKeyAndThenAClick()
{
    FormProbe probe;
    QVERIFY(probe.showActive());
    QVERIFY(probe.playToAnswering());
    QCOMPARE(probe.focusedName(), QStringLiteral("cmdStart"));

    // Taken as a key first (32 - 48), then the button's click gives the round up; the
    // other way round, capture would be off before the key and box 0 would stay blank.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(probe.box(0)->text(), QStringLiteral("-16"));
    QCOMPARE(probe.box(1)->text(), QStringLiteral(" "));
    QCOMPARE(probe.label()->text(), Wrong);
    QVERIFY(probe.timer(Timer::tmrSeikai)->isActive());
    QVERIFY(!probe.timer(Timer::tmrCount)->isActive());
}

void InputTest::anInputMethodCommitIsOneKeyPerCharacter()
{
    FormProbe probe;
    QVERIFY(probe.showActive());
    QVERIFY(probe.playToAnswering());
    QTest::mouseClick(probe.box(3), Qt::LeftButton, {}, QPoint(2, 53));

    // An emoji is one character in two UTF-16 units: one key, with no usable code of its
    // own (-3 - 48). The second character completes the answer, so the third reaches the
    // focused box alone.
    const QString emoji = QString::fromUcs4(U"\U0001F600");
    commit(emoji + QStringLiteral("58"));
    QCOMPARE(probe.box(0)->text(), QStringLiteral("-51"));
    QCOMPARE(probe.box(1)->text(), QStringLiteral("5"));
    QCOMPARE(probe.label()->text(), Wrong);
    QCOMPARE(probe.box(2)->text(), QStringLiteral("*"));
    QCOMPARE(probe.box(3)->text(), emoji + QStringLiteral("58*"));
}

QTEST_MAIN(InputTest)
#include "input_test.moc"

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader gets of the window, through Qt's accessibility interfaces: a
// Japanese name for every control, the controls in screen order, the text of the card on
// show, and an announcement of every change of the status label and the card.

#include "built_in_pictures.h"
#include "card_texts.h"
#include "form1.h"
#include "form_probe.h"
#include "picture_box.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

using pabrel::testing::FormProbe;
using pabrel::testing::LevelText;

namespace {
struct Event
{
    QAccessible::Event type;
    QObject* source;
    // What a notification said, when it appeared.
    QString said;
};

std::vector<Event> events;

void recordEvent(QAccessibleEvent* event)
{
    QString said;
    QAccessibleInterface* accessible = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && accessible != nullptr &&
        accessible->role() == QAccessible::Notification) {
        said = accessible->text(QAccessible::Name);
    }
    events.push_back({event->type(), event->object(), said});
}

// What the notifications said, in order.
QStringList announced()
{
    QStringList said;
    for (const Event& e : events) {
        if (!e.said.isEmpty()) {
            said += e.said;
        }
    }
    return said;
}

QString accessibleText(QObject* control, QAccessible::Text which)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(which) : QString();
}

QString cardText(std::span<const std::string_view> lines)
{
    return QString::fromStdString(pabrel::card_texts::joined(lines));
}
} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void everyControlHasAJapaneseName();
    void theControlsAreReadInScreenOrderWithTheirRoles();
    void thePictureBoxTellsWhatItsCardSays();
    void aRoundIsAnnouncedOnceEachInOrder();
    void aDigitBoxReachedByTabHasTheFocusBeforeItsCaretMoves();
};

// Qt sends accessibility events only while an assistive technology listens; acting as one
// is the platform's private business.
void AccessibilityTest::initTestCase()
{
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform != nullptr);
    platform->setActive(true);
    QVERIFY(QAccessible::isActive());
    QAccessible::installUpdateHandler(recordEvent);
}

void AccessibilityTest::init()
{
    events.clear();
}

void AccessibilityTest::everyControlHasAJapaneseName()
{
    FormProbe probe;
    for (int i = 0; i < 9; ++i) {
        QCOMPARE(accessibleText(probe.box(i), QAccessible::Name),
                 QStringLiteral("%1桁目の数字").arg(i + 1));
    }
    QCOMPARE(accessibleText(probe.label(), QAccessible::Name), QStringLiteral("状況"));
    QCOMPARE(accessibleText(probe.startButton(), QAccessible::Name), QStringLiteral("スタート"));
    QCOMPARE(accessibleText(probe.endButton(), QAccessible::Name), QStringLiteral("おわる"));
    QCOMPARE(accessibleText(probe.pictureBox(), QAccessible::Name), QStringLiteral("説明の絵"));
    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(probe.label());
    QVERIFY(status->textInterface() != nullptr);
    QAccessibleTextInterface* text = status->textInterface();
    QCOMPARE(text->text(0, text->characterCount()), LevelText + "1");
    // Reviewing the screen finds the text where it is drawn, left to right.
    probe.form().show();
    const QRect onScreen(probe.label()->mapToGlobal(QPoint(0, 0)), probe.label()->size());
    for (int i = 0; i < text->characterCount(); ++i) {
        const QRect character = text->characterRect(i);
        QVERIFY(!character.isEmpty() || text->text(i, i + 1) == QStringLiteral(" "));
        QVERIFY(onScreen.contains(character.topLeft()));
        QCOMPARE(text->offsetAtPoint(character.center()), character.isEmpty() ? -1 : i);
        if (i > 0) {
            QVERIFY(character.left() >= text->characterRect(i - 1).right());
        }
    }
}

void AccessibilityTest::theControlsAreReadInScreenOrderWithTheirRoles()
{
    FormProbe probe(pabrel::ui::builtInPictures());
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&probe.form());
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Pabrel"));

    struct Expected
    {
        QString name;
        QAccessible::Role role;
    };
    std::vector<Expected> expected = {{QStringLiteral("説明の絵"), QAccessible::Graphic}};
    for (int i = 1; i <= 9; ++i) {
        expected.push_back({QStringLiteral("%1桁目の数字").arg(i), QAccessible::EditableText});
    }
    expected.push_back({QStringLiteral("状況"), QAccessible::StatusBar});
    expected.push_back({QStringLiteral("スタート"), QAccessible::Button});
    expected.push_back({QStringLiteral("おわる"), QAccessible::Button});

    QCOMPARE(window->childCount(), static_cast<int>(expected.size()));
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        QCOMPARE(child->text(QAccessible::Name), expected[static_cast<std::size_t>(i)].name);
        QCOMPARE(child->role(), expected[static_cast<std::size_t>(i)].role);
        QCOMPARE(window->indexOfChild(child), i);
        QCOMPARE(child->parent()->object(), &probe.form());
    }
}

void AccessibilityTest::thePictureBoxTellsWhatItsCardSays()
{
    FormProbe probe(pabrel::ui::builtInPictures());
    QVERIFY(probe.showActive());
    const QString rules = cardText(pabrel::card_texts::rules);
    QVERIFY(rules.startsWith(QStringLiteral("ルール説明\n")));
    QCOMPARE(accessibleText(probe.pictureBox(), QAccessible::Description), rules);

    events.clear();
    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    QCOMPARE(accessibleText(probe.pictureBox(), QAccessible::Description),
             cardText(pabrel::card_texts::level1));
    QTRY_VERIFY(announced().contains(cardText(pabrel::card_texts::level1)));
}

void AccessibilityTest::aRoundIsAnnouncedOnceEachInOrder()
{
    FormProbe probe(pabrel::ui::builtInPictures());
    QVERIFY(probe.showActive());
    QTRY_VERIFY(announced().empty() || announced().last() == LevelText + "1");
    events.clear();
    QVERIFY(probe.playToAnswering());
    probe.type(QStringLiteral("xx"));
    probe.advance(1500);
    QCOMPARE(probe.label()->text(), LevelText + "1");

    // "0" is replaced by "GO" within the same tick, so it is never shown nor said.
    const QStringList expected = {QStringLiteral("3"),  cardText(pabrel::card_texts::level1),
                                  QStringLiteral("2"),  QStringLiteral("1"),
                                  QStringLiteral("GO"), QStringLiteral("残念！"),
                                  LevelText + "1"};
    QTRY_COMPARE(announced(), expected);

    // Screen readers name a notification's role unless it lies in a status bar, and read
    // it some time after it appeared: each must still say its own text by then.
    int index = 0;
    for (const Event& e : events) {
        if (!e.said.isEmpty()) {
            QAccessibleInterface* notification = QAccessible::queryAccessibleInterface(e.source);
            QCOMPARE(notification->text(QAccessible::Name), expected[index++]);
            QCOMPARE(notification->parent()->role(), QAccessible::StatusBar);
        }
    }
}

void AccessibilityTest::aDigitBoxReachedByTabHasTheFocusBeforeItsCaretMoves()
{
    FormProbe probe;
    QVERIFY(probe.showActive());
    probe.box(1)->setText(QStringLiteral(" "));
    probe.box(1)->setCursorPosition(0);
    probe.box(0)->setFocus();
    // Text1(0) → スタート → 状況 is skipped → 説明の絵 → Text1(1).
    for (int i = 0; i < 2; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    events.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), probe.box(1));
    QTRY_VERIFY(probe.box(1)->hasSelectedText());

    std::vector<QAccessible::Event> fromBox;
    for (const Event& e : events) {
        if (e.source == probe.box(1)) {
            fromBox.push_back(e.type);
        }
    }
    QVERIFY(!fromBox.empty());
    QCOMPARE(fromBox.front(), QAccessible::Focus);
    // Tab selects the box's text, which moves its caret.
    QVERIFY(std::find(fromBox.begin(), fromBox.end(), QAccessible::TextSelectionChanged) !=
            fromBox.end());
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader gets of the window, through Qt's accessibility interfaces: a
// Japanese name for every control, the text of the card on show, and every change of the
// status label.

#include "built_in_pictures.h"
#include "card_texts.h"
#include "form1.h"
#include "form_probe.h"
#include "picture_box.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

using pabrel::testing::FormProbe;
using pabrel::testing::LevelText;
using pabrel::ui::Form1;

namespace {
struct Announcement
{
    QObject* source;
    QString description;
};

std::vector<Announcement> announcements;

void recordAnnouncement(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::DescriptionChanged) {
        announcements.push_back(
            {event->object(), event->accessibleInterface()->text(QAccessible::Description)});
    }
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
    void thePictureBoxTellsWhatItsCardSays();
    void theLabelsChangesAreAnnounced();
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
    QAccessible::installUpdateHandler(recordAnnouncement);
}

void AccessibilityTest::init()
{
    announcements.clear();
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
    QTRY_COMPARE(accessibleText(probe.label(), QAccessible::Description), LevelText + "1");
}

void AccessibilityTest::thePictureBoxTellsWhatItsCardSays()
{
    FormProbe probe(pabrel::ui::builtInPictures());
    QVERIFY(probe.showActive());
    const QString rules = cardText(pabrel::card_texts::rules);
    QVERIFY(rules.startsWith(QStringLiteral("ルール説明\n")));
    QCOMPARE(accessibleText(probe.pictureBox(), QAccessible::Description), rules);

    announcements.clear();
    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    QCOMPARE(accessibleText(probe.pictureBox(), QAccessible::Description),
             cardText(pabrel::card_texts::level1));
    const auto announced =
        std::find_if(announcements.begin(), announcements.end(),
                     [&](const Announcement& a) { return a.source == probe.pictureBox(); });
    QVERIFY(announced != announcements.end());
    QCOMPARE(announced->description, cardText(pabrel::card_texts::level1));
}

void AccessibilityTest::theLabelsChangesAreAnnounced()
{
    FormProbe probe;
    QVERIFY(probe.showActive());
    announcements.clear();
    QVERIFY(probe.playToAnswering());
    probe.type(QStringLiteral("xx"));
    probe.advance(1500);
    QTRY_COMPARE(accessibleText(probe.label(), QAccessible::Description), LevelText + "1");

    QStringList spoken;
    for (const Announcement& a : announcements) {
        if (a.source == probe.label()) {
            spoken += a.description;
        }
    }
    // "0" is replaced by "GO" within the same tick, so it is never shown nor read out.
    const QStringList expected = {QStringLiteral("3"),      QStringLiteral("2"),
                                  QStringLiteral("1"),      QStringLiteral("GO"),
                                  QStringLiteral("残念！"), LevelText + "1"};
    QCOMPARE(spoken, expected);
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

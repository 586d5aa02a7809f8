// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window as the player first sees it: where every control stands, what it says, in
// which face and colours, and how the focus walks. Runs once at the normal scale and once
// with QT_SCALE_FACTOR=2, where the layout must grow and the pictures must not.

#include "form1.h"
#include "form_probe.h"
#include "image_holder.h"
#include "picture_box.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using pabrel::Timer;
using pabrel::testing::FormProbe;
using pabrel::testing::LevelText;
using pabrel::ui::Form1;
using pabrel::ui::FormPictures;
using pabrel::ui::WindowTimer;

namespace {

// Pixel places of the layout at 96 dpi.
struct Place
{
    const char* name;
    QRect pixels;
};

const Place Layout[] = {
    {"Picture1", {24, 16, 617, 257}},      {"Text1(0)", {8, 288, 73, 106}},
    {"Text1(1)", {80, 288, 73, 106}},      {"Text1(2)", {152, 288, 73, 106}},
    {"Text1(3)", {224, 288, 73, 106}},     {"Text1(4)", {296, 288, 73, 106}},
    {"Text1(5)", {368, 288, 73, 106}},     {"Text1(6)", {440, 288, 73, 106}},
    {"Text1(7)", {512, 288, 73, 106}},     {"Text1(8)", {584, 288, 73, 106}},
    {"Label1", {152, 408, 321, 105}},      {"cmdStart", {512, 408, 145, 49}},
    {"cmdEnd", {512, 464, 145, 49}},       {"ImgLevel(1)", {40, 664, 618, 255}},
    {"ImgLevel(2)", {56, 648, 618, 255}},  {"ImgLevel(3)", {72, 632, 618, 255}},
    {"ImgLevel(4)", {88, 616, 618, 255}},  {"ImgLevel(5)", {104, 600, 618, 255}},
    {"ImgLevel(6)", {120, 584, 618, 255}}, {"ImgLevel(7)", {136, 568, 618, 255}},
    {"ImgLevel(8)", {152, 552, 618, 255}}, {"ruru", {24, 680, 618, 255}},
};

QColor buttonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

// The colour of the device pixel under a point given in the widget's own units.
QColor colourAt(const QImage& image, QPoint logical)
{
    return image.pixelColor(logical * image.devicePixelRatio());
}

QImage grabbed(QWidget* widget)
{
    return widget->grab().toImage();
}

int pixelsOf(const QImage& image, QColor colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

// A picture of one colour with a differently coloured pixel in each corner, so that its
// placement and its clipping can be read from a screenshot.
QImage markedPicture(QSize size, QColor ground)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(ground);
    image.setPixelColor(0, 0, Qt::red);
    image.setPixelColor(size.width() - 1, 0, Qt::green);
    image.setPixelColor(0, size.height() - 1, Qt::blue);
    image.setPixelColor(size.width() - 1, size.height() - 1, Qt::magenta);
    return image;
}

} // namespace

class LayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void runsAtTheScaleAskedFor();
    void everyControlStandsWhereTheLayoutPutsIt();
    void enlargingTheWindowMovesNothing();
    void captionsAndStartingTexts();
    void everyTextUsesAJapaneseGothicThatHasItsCharacters_data();
    void everyTextUsesAJapaneseGothicThatHasItsCharacters();
    void colours();
    void picturesShowPixelForPixel();
    void picturesAreHeldAndShownAsGiven();
    void timersWaitStoppedAtTheirPeriods_data();
    void timersWaitStoppedAtTheirPeriods();
    void focusStartsInTheFirstBoxAndTabWalksTheChainAround();
    void clicksMoveTheFocusExceptOnTheLabel();
};

void LayoutTest::runsAtTheScaleAskedFor()
{
    FormProbe probe;
    Form1& form = probe.form();
    form.show();
    const double asked = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    QCOMPARE(form.devicePixelRatioF(), asked);
}

void LayoutTest::everyControlStandsWhereTheLayoutPutsIt()
{
    FormProbe probe;
    Form1& form = probe.form();
    form.show();
    QCOMPARE(form.size(), QSize(676, 534));
    for (const Place& place : Layout) {
        const auto* control = form.findChild<QWidget*>(QLatin1String(place.name));
        QVERIFY2(control, place.name);
        QCOMPARE(control->geometry(), place.pixels);
        QVERIFY2(control->isVisible(), place.name);
        QVERIFY2(!control->testAttribute(Qt::WA_NativeWindow), place.name);
    }
    QCOMPARE(probe.pictureBox()->contentsRect().size(), QSize(613, 253));
}

void LayoutTest::enlargingTheWindowMovesNothing()
{
    FormProbe probe;
    Form1& form = probe.form();
    form.show();
    form.resize(1000, 900);
    QTRY_COMPARE(form.size(), QSize(1000, 900));
    for (const Place& place : Layout) {
        QCOMPARE(form.findChild<QWidget*>(QLatin1String(place.name))->geometry(), place.pixels);
    }
}

void LayoutTest::captionsAndStartingTexts()
{
    FormProbe probe;
    Form1& form = probe.form();
    QCOMPARE(form.windowTitle(), QStringLiteral("Pabrel"));
    QCOMPARE(probe.startButton()->text(), QStringLiteral("スタート"));
    QCOMPARE(probe.endButton()->text(), QStringLiteral("おわる"));
    QCOMPARE(probe.label()->text(), LevelText + QStringLiteral("1"));
    for (int i = 0; i < 9; ++i) {
        QCOMPARE(probe.box(i)->text(), QString());
    }
    // Neither button answers Enter, and no caption has an access key.
    for (const QPushButton* button : {probe.startButton(), probe.endButton()}) {
        QVERIFY(!button->autoDefault());
        QVERIFY(!button->isDefault());
        QVERIFY(button->shortcut().isEmpty());
    }
}

void LayoutTest::everyTextUsesAJapaneseGothicThatHasItsCharacters_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("points");
    QTest::newRow("first digit box") << QStringLiteral("Text1(0)") << 72;
    QTest::newRow("last digit box") << QStringLiteral("Text1(8)") << 72;
    QTest::newRow("label") << QStringLiteral("Label1") << 72;
    QTest::newRow("start button") << QStringLiteral("cmdStart") << 18;
    QTest::newRow("end button") << QStringLiteral("cmdEnd") << 18;
}

void LayoutTest::everyTextUsesAJapaneseGothicThatHasItsCharacters()
{
    QFETCH(QString, control);
    QFETCH(int, points);
    FormProbe probe;
    const QStringList gothics{QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                              QStringLiteral("IPAPGothic")};
    // Everything the game ever writes in these controls.
    const QString texts = QStringLiteral("スタートおわるﾚﾍﾞﾙ 0123456789-GO正解！残念！*");

    const QFont font = probe.form().findChild<QWidget*>(control)->font();
    const QFontInfo used(font);
    QVERIFY2(gothics.contains(used.family()), qPrintable(used.family()));
    QCOMPARE(used.pointSize(), points);
    QCOMPARE(used.weight(), int(QFont::Normal));
    QVERIFY(!used.italic());
    QVERIFY(!used.fixedPitch());
    const QFontMetrics metrics(font);
    for (const char32_t character : QStringView(texts).toUcs4()) {
        QVERIFY2(metrics.inFontUcs4(character), qPrintable(QString::fromUcs4(&character, 1)));
    }
}

void LayoutTest::colours()
{
    FormProbe probe;
    Form1& form = probe.form();
    form.show();

    const QImage start = grabbed(probe.startButton());
    const QImage end = grabbed(probe.endButton());
    for (const QPoint inside : {QPoint(5, 5), QPoint(139, 43), QPoint(5, 43), QPoint(139, 5)}) {
        QCOMPARE(colourAt(start, inside), QColor(255, 192, 192));
        QCOMPARE(colourAt(end, inside), QColor(255, 192, 128));
    }
    const QColor buttonText = QApplication::palette().color(QPalette::ButtonText);
    QVERIFY(pixelsOf(start, buttonText) > 50);
    QVERIFY(pixelsOf(end, buttonText) > 50);

    const QImage label = grabbed(probe.label());
    QCOMPARE(colourAt(label, QPoint(2, 2)), QColor(0, 0, 0));
    QCOMPARE(colourAt(label, QPoint(318, 102)), QColor(0, 0, 0));
    QVERIFY(pixelsOf(label, QColor(192, 255, 192)) > 500);

    QCOMPARE(colourAt(grabbed(probe.pictureBox()), QPoint(300, 120)), buttonFace());
    QCOMPARE(colourAt(grabbed(&form), QPoint(4, 4)), buttonFace());
    QCOMPARE(colourAt(grabbed(probe.box(4)), QPoint(36, 53)),
             QApplication::palette().color(QPalette::Base));
}

void LayoutTest::picturesShowPixelForPixel()
{
    FormPictures pictures;
    pictures.background = markedPicture({782, 576}, Qt::white);
    pictures.rules[0] = markedPicture({618, 255}, Qt::yellow);
    pictures.levels[7] = markedPicture({618, 255}, Qt::cyan);
    FormProbe probe(pictures);
    Form1& form = probe.form();
    form.show();
    form.resize(1000, 900);
    QTRY_COMPARE(form.size(), QSize(1000, 900));

    // The background from the client area's top-left corner, at its own size in the
    // display's pixels, and the button face beyond it.
    const QImage window = grabbed(&form);
    const qreal ratio = window.devicePixelRatio();
    QCOMPARE(window.pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(window.pixelColor(781, 575), QColor(Qt::magenta));
    QCOMPARE(window.pixelColor(782, 10), buttonFace());
    QCOMPARE(window.pixelColor(10, 576), buttonFace());

    // The rules picture from the top-left corner of the picture box's interior, clipped
    // at its edges: at 96 dpi its last five columns and two rows are cut off.
    const QImage box = grabbed(probe.pictureBox());
    const QPoint origin = QPoint(2, 2) * ratio;
    QCOMPARE(box.pixelColor(origin), QColor(Qt::red));
    QCOMPARE(box.pixelColor(origin + QPoint(612, 252)), QColor(Qt::yellow));
    if (ratio == 1.0) {
        QCOMPARE(pixelsOf(box, Qt::green) + pixelsOf(box, Qt::magenta), 0);
        QVERIFY(box.pixelColor(616, 128) != QColor(Qt::yellow));
    } else {
        QCOMPARE(box.pixelColor(origin + QPoint(617, 254)), QColor(Qt::magenta));
        QCOMPARE(box.pixelColor(origin + QPoint(618, 10)), buttonFace());
    }

    // The holders lie below the 534 pixel rows of the normal window and show once the window is
    // taller.
    const QPoint holder = probe.holder(QStringLiteral("ImgLevel(8)"))->pos() * ratio;
    QCOMPARE(window.pixelColor(holder), QColor(Qt::red));
    QCOMPARE(window.pixelColor(holder + QPoint(617, 0)), QColor(Qt::green));
}

void LayoutTest::picturesAreHeldAndShownAsGiven()
{
    FormPictures pictures;
    pictures.rules[0] = markedPicture({618, 255}, Qt::yellow);
    for (int level = 1; level <= 8; ++level) {
        pictures.levels[level - 1] = markedPicture({618, 255}, QColor(level, 255, 255));
    }
    FormProbe probe(pictures);
    const auto heldBy = [&probe](const QString& name) {
        return probe.holder(name)->picture().cacheKey();
    };

    QCOMPARE(probe.pictureBox()->picture().cacheKey(), heldBy(QStringLiteral("ruru")));
    QCOMPARE(heldBy(QStringLiteral("ruru")), pictures.rules[0].cacheKey());
    for (int level = 1; level <= 8; ++level) {
        QCOMPARE(heldBy(QStringLiteral("ImgLevel(%1)").arg(level)),
                 pictures.levels[level - 1].cacheKey());
    }
    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    QCOMPARE(probe.pictureBox()->picture().cacheKey(), heldBy(QStringLiteral("ImgLevel(1)")));
}

void LayoutTest::timersWaitStoppedAtTheirPeriods_data()
{
    QTest::addColumn<Timer>("which");
    QTest::addColumn<int>("milliseconds");
    QTest::newRow("tmrCount") << Timer::tmrCount << 1000;
    QTest::newRow("tmrQuestion") << Timer::tmrQuestion << 600;
    QTest::newRow("tmrSeikai") << Timer::tmrSeikai << 1500;
}

void LayoutTest::timersWaitStoppedAtTheirPeriods()
{
    QFETCH(Timer, which);
    QFETCH(int, milliseconds);
    FormProbe probe;
    const WindowTimer* timer = probe.timer(which);
    QCOMPARE(timer->objectName(), QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->interval(), milliseconds);
}

void LayoutTest::focusStartsInTheFirstBoxAndTabWalksTheChainAround()
{
    FormProbe probe;
    QVERIFY(probe.showActive());
    QCOMPARE(probe.focusedName(), QStringLiteral("Text1(0)"));

    const QStringList chain{
        QStringLiteral("cmdStart"), QStringLiteral("Picture1"), QStringLiteral("Text1(1)"),
        QStringLiteral("Text1(2)"), QStringLiteral("Text1(3)"), QStringLiteral("Text1(4)"),
        QStringLiteral("Text1(5)"), QStringLiteral("Text1(6)"), QStringLiteral("cmdEnd"),
        QStringLiteral("Text1(7)"), QStringLiteral("Text1(8)"), QStringLiteral("Text1(0)"),
    };
    for (const QString& next : chain) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(probe.focusedName(), next);
    }
    for (qsizetype i = chain.size() - 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(probe.focusedName(), chain[i]);
    }
}

void LayoutTest::clicksMoveTheFocusExceptOnTheLabel()
{
    FormProbe probe;
    QVERIFY(probe.showActive());
    QTest::mouseClick(probe.box(5), Qt::LeftButton);
    QCOMPARE(probe.focusedName(), QStringLiteral("Text1(5)"));
    // Pressed and let go outside, so that it takes the focus without a click.
    QTest::mousePress(probe.endButton(), Qt::LeftButton);
    QTest::mouseRelease(probe.endButton(), Qt::LeftButton, {}, QPoint(-20, -20));
    QCOMPARE(probe.focusedName(), QStringLiteral("cmdEnd"));
    QTest::mouseClick(probe.label(), Qt::LeftButton);
    QCOMPARE(probe.focusedName(), QStringLiteral("cmdEnd"));
    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    QCOMPARE(probe.focusedName(), QStringLiteral("cmdStart"));
}

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"

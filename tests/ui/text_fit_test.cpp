// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every text the window shows fits its control in both languages: in a whole-window
// screenshot, the lettering of the label and of both buttons lies wholly inside, clear of
// every edge, and is as wide as the text is. Runs once at the normal scale and once with
// QT_SCALE_FACTOR=2.

#include "built_in_pictures.h"
#include "form_probe.h"
#include "picture_box.h"
#include "translations.h"
#include "window_shot.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using pabrel::testing::FormProbe;
using pabrel::testing::WindowShot;
using pabrel::ui::Language;

namespace {

enum class Moment
{
    Waiting,
    Counting,
    Go,
    Right,
    Wrong,
};

// Plays a fresh window at `level` up to `moment`; the focus is kept off the buttons.
void bring(FormProbe& probe, int level, Moment moment)
{
    while (probe.label()->text().right(1) != QString::number(level)) {
        probe.playToAnswering();
        probe.type(probe.flashedDigits());
        probe.advance(1500);
    }
    if (moment == Moment::Counting) {
        QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    } else if (moment == Moment::Go) {
        QTest::mouseClick(probe.startButton(), Qt::LeftButton);
        probe.advance(3000);
    } else if (moment != Moment::Waiting) {
        probe.playToAnswering();
        probe.type(moment == Moment::Right ? probe.flashedDigits() : QStringLiteral("xxx"));
    }
    probe.pictureBox()->setFocus();
}

// Where the lettering of `text` on a ground of `ground` lies within `area` of the shot does
// not reach the area's edge, and spans the text's whole width; an empty string if so.
QString fits(const WindowShot& shot, const QRect& area, QColor ground, const QWidget* control,
             const QString& text)
{
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (shot.image().pixel(x, y) != ground.rgb()) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    const int width =
        qFloor(QFontMetricsF(control->font()).tightBoundingRect(text).width() * shot.ratio());
    const QString where = QStringLiteral("%1 '%2': lettering at (%3,%4 %5x%6) in (%7,%8 %9x%10)")
                              .arg(control->objectName(), text)
                              .arg(ink.x())
                              .arg(ink.y())
                              .arg(ink.width())
                              .arg(ink.height())
                              .arg(area.x())
                              .arg(area.y())
                              .arg(area.width())
                              .arg(area.height());
    if (ink.isEmpty() || !area.adjusted(1, 1, -1, -1).contains(ink)) {
        return where + QStringLiteral(" touches the edge");
    }
    // The outline's bounds are rounded, and antialiasing may leave a pixel column pale.
    if (ink.width() < width - 2 * shot.ratio()) {
        return where + QStringLiteral(" is narrower than the text's %1").arg(width);
    }
    return {};
}

} // namespace

class TextFitTest : public QObject
{
    Q_OBJECT

private slots:
    void everyTextLiesInsideItsControl_data();
    void everyTextLiesInsideItsControl();
};

void TextFitTest::everyTextLiesInsideItsControl_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<int>("level");
    QTest::addColumn<Moment>("moment");
    QTest::addColumn<QStringList>("texts");

    const struct
    {
        Language language;
        const char* name;
        QString level;
        QStringList buttons;
        QString right;
        QString wrong;
    } languages[] = {
        {Language::Japanese,
         "ja",
         QStringLiteral("ﾚﾍﾞﾙ %1"),
         {"スタート", "おわる"},
         "正解！",
         "残念！"},
        {Language::English,
         "en",
         QStringLiteral("Level %1"),
         {"Start", "Quit"},
         "Correct!",
         "Too bad!"},
    };
    for (const auto& each : languages) {
        const auto row = [&each](const QString& what) {
            return &(QTest::newRow(
                         qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(each.name), what)))
                     << each.language);
        };
        // Of the level labels, level 4's lettering is the widest in the game's face.
        const QString widestLevel = each.level.arg(4);
        *row(widestLevel) << 4 << Moment::Waiting << QStringList{widestLevel} + each.buttons;
        *row("3") << 1 << Moment::Counting << QStringList{"3"} + each.buttons;
        *row("GO") << 1 << Moment::Go << QStringList{"GO"} + each.buttons;
        *row(each.right) << 1 << Moment::Right << QStringList{each.right} + each.buttons;
        *row(each.wrong) << 1 << Moment::Wrong << QStringList{each.wrong} + each.buttons;
    }
}

void TextFitTest::everyTextLiesInsideItsControl()
{
    QFETCH(Language, language);
    QFETCH(int, level);
    QFETCH(Moment, moment);
    QFETCH(QStringList, texts);
    FormProbe::translations().use(language);
    FormProbe probe(pabrel::ui::builtInPictures(language));
    QVERIFY(probe.showActive());
    bring(probe, level, moment);
    const WindowShot shot(probe.shot());

    const struct
    {
        QWidget* control;
        QString shows;
        QColor ground;
        // How far in from the control's edge its ground begins, in device pixels.
        int border;
    } controls[] = {
        {probe.label(), probe.label()->text(), Qt::black, 0},
        {probe.startButton(), probe.startButton()->text(), QColor(0xFFC0C0), 2},
        {probe.endButton(), probe.endButton()->text(), QColor(0xFFC080), 2},
    };
    for (std::size_t i = 0; i < std::size(controls); ++i) {
        const auto& [control, shows, ground, border] = controls[i];
        QCOMPARE(shows, texts.at(static_cast<qsizetype>(i)));
        const QRect area =
            shot.toDevice(WindowShot::placeOf(control)).adjusted(border, border, -border, -border);
        QCOMPARE(fits(shot, area, ground, control, shows), QString());
    }
}

QTEST_MAIN(TextFitTest)
#include "text_fit_test.moc"

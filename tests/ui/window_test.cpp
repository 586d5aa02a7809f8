// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole window as the player sees it, in each state of a round, read region by region:
// the label's black ground and green lettering, the picture box's sunken border and grey
// interior around its card, the buttons' faces, bevels, captions and focus mark, the digit
// boxes, and the background only where no control stands. Runs once at the normal scale
// and once with QT_SCALE_FACTOR=2.

#include "built_in_pictures.h"
#include "form_probe.h"
#include "picture_box.h"
#include "shown_pictures.h"
#include "window_shot.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using pabrel::testing::committedPicture;
using pabrel::testing::FormProbe;
using pabrel::testing::pictureMismatch;
using pabrel::testing::WindowShot;

namespace {

enum class State
{
    StartUp,
    Countdown,
    DigitsShown,
    Masked,
    Result,
    StartFocused,
    StartPressed,
};

constexpr unsigned in(State state)
{
    return 1U << static_cast<unsigned>(state);
}
constexpr unsigned Always = ~0U;
// The label holds text in every state; the digit boxes are blank only at start-up.
constexpr unsigned Played =
    in(State::Countdown) | in(State::DigitsShown) | in(State::Masked) | in(State::Result);
// Focused, the start button's face is tinted by the style's focus mark.
constexpr unsigned Unfocused = Always & ~in(State::StartFocused) & ~in(State::StartPressed);

// A colour the window should show: a role of the platform's palette, or one of the game's
// own where the role is NoRole.
struct Shade
{
    QPalette::ColorRole role;
    QRgb own;
};

namespace Colour {
constexpr Shade LabelGround{QPalette::NoRole, 0x000000};
constexpr Shade LabelText{QPalette::NoRole, 0xC0FFC0};
constexpr Shade StartFace{QPalette::NoRole, 0xFFC0C0};
constexpr Shade EndFace{QPalette::NoRole, 0xFFC080};
constexpr Shade ButtonFace{QPalette::Button, 0};
constexpr Shade ButtonText{QPalette::ButtonText, 0};
constexpr Shade Base{QPalette::Base, 0};
constexpr Shade Text{QPalette::Text, 0};
constexpr Shade Light{QPalette::Light, 0};
constexpr Shade Midlight{QPalette::Midlight, 0};
constexpr Shade Dark{QPalette::Dark, 0};
constexpr Shade Shadow{QPalette::Shadow, 0};
} // namespace Colour

QColor colourOf(Shade shade)
{
    return shade.role == QPalette::NoRole ? QColor(shade.own)
                                          : QApplication::palette().color(shade.role);
}

// Parts of a control. A bevel or sunken border is drawn as two lines of device pixels on
// each side, the outer and the inner, read here without their corners; on a scaled display
// the rest of its width is the control's own ground.
enum class Part
{
    Whole,
    InsideBevel,
    OuterTop,
    OuterLeft,
    OuterBottom,
    OuterRight,
    InnerTop,
    InnerLeft,
    InnerBottom,
    InnerRight,
    // Between the inner line and the interior, on a scaled display.
    BelowInnerTop,
    // Inside a text box's frame, two pixels wide at any scale.
    InsideFrame,
    // Inside a text box's frame at its right-hand end, clear of the caret and of where the
    // text is drawn.
    InsideFrameMargin,
};

// The part of a control standing at `place` (in device pixels) on a display scaled by
// `ratio`, in device pixels.
QRect partOf(QRect place, Part part, int ratio)
{
    const int x = place.x();
    const int y = place.y();
    const int w = place.width();
    const int h = place.height();
    const int r = ratio;
    switch (part) {
    case Part::Whole:
        return place;
    case Part::InsideBevel:
        return place.adjusted(2, 2, -2, -2);
    case Part::OuterTop:
        return {x + 2, y, w - 4, 1};
    case Part::OuterLeft:
        return {x, y + 2, 1, h - 4};
    case Part::OuterBottom:
        return {x + 2, place.bottom(), w - 4, 1};
    case Part::OuterRight:
        return {place.right(), y + 2, 1, h - 4};
    case Part::InnerTop:
        return {x + 2, y + 1, w - 4, 1};
    case Part::InnerLeft:
        return {x + 1, y + 2, 1, h - 4};
    case Part::InnerBottom:
        return {x + 2, place.bottom() - 1, w - 4, 1};
    case Part::InnerRight:
        return {place.right() - 1, y + 2, 1, h - 4};
    case Part::BelowInnerTop:
        return {x + 2 * r, y + 2, w - 4 * r, 2 * r - 2};
    case Part::InsideFrame:
        return place.adjusted(2 * r, 2 * r, -2 * r, -2 * r);
    case Part::InsideFrameMargin:
        return {place.right() - 4 * r, y + 3 * r, 2 * r, h - 6 * r};
    }
    Q_UNREACHABLE();
}

enum class Rule
{
    // Every pixel is the first colour.
    Solid,
    // Every pixel is the first colour, the second, or a mix of the two.
    Mix,
    // At least `least` pixels (at the normal scale) are exactly the second colour.
    Shows,
};

struct Region
{
    unsigned states;
    const char* control;
    Part part;
    Rule rule;
    Shade first;
    Shade second;
    int least;
};

// What each region shows, and in which states. The picture box's interior beside and below
// its card, and the background against its committed picture, are read apart.
const Region Regions[] = {
    {Always, "Label1", Part::Whole, Rule::Mix, Colour::LabelGround, Colour::LabelText, 0},
    {Always, "Label1", Part::Whole, Rule::Shows, Colour::LabelGround, Colour::LabelText, 300},

    {Always, "Picture1", Part::OuterTop, Rule::Solid, Colour::Dark, Colour::Dark, 0},
    {Always, "Picture1", Part::OuterLeft, Rule::Solid, Colour::Dark, Colour::Dark, 0},
    {Always, "Picture1", Part::OuterBottom, Rule::Solid, Colour::Light, Colour::Light, 0},
    {Always, "Picture1", Part::OuterRight, Rule::Solid, Colour::Light, Colour::Light, 0},
    {Always, "Picture1", Part::InnerTop, Rule::Solid, Colour::Shadow, Colour::Shadow, 0},
    {Always, "Picture1", Part::InnerLeft, Rule::Solid, Colour::Shadow, Colour::Shadow, 0},
    {Always, "Picture1", Part::InnerBottom, Rule::Solid, Colour::Midlight, Colour::Midlight, 0},
    {Always, "Picture1", Part::InnerRight, Rule::Solid, Colour::Midlight, Colour::Midlight, 0},
    {Always, "Picture1", Part::BelowInnerTop, Rule::Solid, Colour::ButtonFace, Colour::ButtonFace,
     0},

    {Unfocused, "cmdStart", Part::InsideBevel, Rule::Mix, Colour::StartFace, Colour::ButtonText, 0},
    {Unfocused, "cmdStart", Part::InsideBevel, Rule::Shows, Colour::StartFace, Colour::ButtonText,
     40},
    {Always, "cmdEnd", Part::InsideBevel, Rule::Mix, Colour::EndFace, Colour::ButtonText, 0},
    {Always, "cmdEnd", Part::InsideBevel, Rule::Shows, Colour::EndFace, Colour::ButtonText, 40},
    {Always, "cmdEnd", Part::OuterTop, Rule::Solid, Colour::Light, Colour::Light, 0},
    {Always, "cmdEnd", Part::OuterBottom, Rule::Solid, Colour::Shadow, Colour::Shadow, 0},
    {Unfocused, "cmdStart", Part::OuterTop, Rule::Solid, Colour::Light, Colour::Light, 0},
    {in(State::StartPressed), "cmdStart", Part::OuterTop, Rule::Solid, Colour::Shadow,
     Colour::Shadow, 0},
    {in(State::StartPressed), "cmdStart", Part::OuterBottom, Rule::Solid, Colour::Light,
     Colour::Light, 0},

    {Always, "Text1(0)", Part::InsideFrameMargin, Rule::Solid, Colour::Base, Colour::Base, 0},
    {Always, "Text1(8)", Part::InsideFrameMargin, Rule::Solid, Colour::Base, Colour::Base, 0},
    {in(State::DigitsShown), "Text1(0)", Part::Whole, Rule::Shows, Colour::Base, Colour::Text, 100},
    {in(State::DigitsShown) | in(State::Result), "Text1(1)", Part::Whole, Rule::Shows, Colour::Base,
     Colour::Text, 100},
    {in(State::Countdown) | in(State::Masked), "Text1(0)", Part::InsideFrame, Rule::Solid,
     Colour::Base, Colour::Base, 0},
    {Played, "Text1(8)", Part::Whole, Rule::Shows, Colour::Base, Colour::Text, 100},
};

// Brings a fresh window into `state`, or says it could not. The round is at level 1, so
// its question is two digits long; the focus is moved out of the buttons' way, onto the
// picture box (which shows no focus mark), except where it is the point.
bool enter(FormProbe& probe, State state)
{
    if (!probe.showActive()) {
        return false;
    }
    switch (state) {
    case State::StartUp:
        return true;
    case State::StartFocused:
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return probe.focusedName() == QLatin1String("cmdStart");
    case State::StartPressed:
        QTest::mousePress(probe.startButton(), Qt::LeftButton);
        return probe.startButton()->isDown();
    case State::Countdown:
        QTest::mouseClick(probe.startButton(), Qt::LeftButton);
        break;
    case State::DigitsShown:
        QTest::mouseClick(probe.startButton(), Qt::LeftButton);
        probe.advance(3000);
        break;
    case State::Masked:
    case State::Result:
        if (!probe.playToAnswering()) {
            return false;
        }
        if (state == State::Result) {
            probe.type(probe.flashedDigits());
        }
        break;
    }
    probe.pictureBox()->setFocus();
    return true;
}

// Where the window's controls stand: the background is hidden there.
QList<QRect> controlsIn(const FormProbe& probe, const WindowShot& shot)
{
    QList<QRect> covered;
    for (const QWidget* control : probe.form().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isVisible()) {
            covered.append(shot.toDevice(control->geometry()));
        }
    }
    return covered;
}

} // namespace

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void eachRegionShowsWhatItShould_data();
    void eachRegionShowsWhatItShould();
    void aPressedCaptionSinksOnePixel();
    void theFocusMarkLiesFourPixelsInsideTheButton();
};

void WindowTest::eachRegionShowsWhatItShould_data()
{
    QTest::addColumn<State>("state");
    QTest::newRow("start-up") << State::StartUp;
    QTest::newRow("countdown") << State::Countdown;
    QTest::newRow("digits shown") << State::DigitsShown;
    QTest::newRow("masked") << State::Masked;
    QTest::newRow("result") << State::Result;
    QTest::newRow("start focused") << State::StartFocused;
    QTest::newRow("start pressed") << State::StartPressed;
}

void WindowTest::eachRegionShowsWhatItShould()
{
    QFETCH(State, state);
    FormProbe probe(pabrel::ui::builtInPictures());
    QVERIFY(enter(probe, state));
    const WindowShot shot(probe.shot());
    const qreal area = shot.ratio() * shot.ratio();

    for (const Region& region : Regions) {
        if ((region.states & in(state)) == 0) {
            continue;
        }
        const auto* control = probe.form().findChild<QWidget*>(QLatin1String(region.control));
        QVERIFY2(control, region.control);
        const QRect where =
            partOf(shot.toDevice(WindowShot::placeOf(control)), region.part, qRound(shot.ratio()));
        const QColor first = colourOf(region.first);
        const QColor second = colourOf(region.second);
        const QString context = QStringLiteral("%1, part %2: ")
                                    .arg(QLatin1String(region.control))
                                    .arg(static_cast<int>(region.part));
        switch (region.rule) {
        case Rule::Solid:
            QCOMPARE(context + shot.solid(where, first), context);
            break;
        case Rule::Mix:
            QCOMPARE(context + shot.mixOf(where, first, second), context);
            break;
        case Rule::Shows:
            QVERIFY2(shot.count(where, second) >= region.least * area, qPrintable(context));
            break;
        }
    }

    // Beside and below the card, the picture box's interior is the button face; at the
    // normal scale the card covers it all.
    const QRect interior =
        shot.toDevice(probe.pictureBox()->contentsRect().translated(probe.pictureBox()->pos()));
    const QRect card(interior.topLeft(), QSize(618, 255));
    const QColor face = colourOf(Colour::ButtonFace);
    const QRect beside(card.right() + 1, interior.top(), interior.right() - card.right(),
                       interior.height());
    const QRect below(interior.left(), card.bottom() + 1, interior.width(),
                      interior.bottom() - card.bottom());
    QCOMPARE(shot.solid(beside, face), QString());
    QCOMPARE(shot.solid(below, face), QString());

    // The background shows wherever no control stands.
    QCOMPARE(pictureMismatch(shot.image(), {}, committedPicture(QStringLiteral("background.bmp")),
                             shot.image().rect(), controlsIn(probe, shot)),
             QString());
}

// The caption sinks with the face while the button is held down, and only then.
void WindowTest::aPressedCaptionSinksOnePixel()
{
    FormProbe probe;
    QVERIFY(probe.showActive());
    const QColor text = colourOf(Colour::ButtonText);
    const WindowShot raisedShot(probe.shot());
    const QRect button = raisedShot.toDevice(WindowShot::placeOf(probe.startButton()));
    const QRect raised = raisedShot.boundsOf(button, text);
    QTest::mousePress(probe.startButton(), Qt::LeftButton);
    const WindowShot pressedShot(probe.shot());
    const QRect pressed = pressedShot.boundsOf(button, text);
    QVERIFY(!raised.isEmpty());
    const int step = qRound(pressedShot.ratio());
    QCOMPARE(pressed, raised.translated(step, step));
}

// The focus mark is drawn on the rectangle 4 pixels inside the button's edge, and nothing
// else changes.
void WindowTest::theFocusMarkLiesFourPixelsInsideTheButton()
{
    FormProbe probe;
    QVERIFY(probe.showActive());
    const QRect button = WindowShot::placeOf(probe.startButton());
    const WindowShot before(probe.shot());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(probe.focusedName(), QStringLiteral("cmdStart"));
    const WindowShot focused(probe.shot());
    const QRect marked =
        focused.differenceFrom(before, focused.toDevice(button.adjusted(-4, -4, 4, 4)));
    QCOMPARE(marked, focused.toDevice(button.adjusted(4, 4, -4, -4)));
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"

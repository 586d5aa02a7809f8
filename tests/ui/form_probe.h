// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bell.h"
#include "boost.h"
#include "form1.h"
#include "scripted_random.h"
#include "test_timers.h"
#include "translations.h"

#include <QImage>
#include <QString>

#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pabrel::ui {
class ImageHolder;
class PictureBox;
} // namespace pabrel::ui

namespace pabrel::testing {

// Counts the beeps, and sounds them only where a test gives a real bell to pass them on to.
class CountingBell : public ui::Bell
{
public:
    void ring() override
    {
        ++rings;
        if (passOn != nullptr) {
            passOn->ring();
        }
    }

    int rings = 0;
    ui::Bell* passOn = nullptr;
};

// Remembers whether the window wants its thread raised, and for how long at most, instead
// of touching the scheduler.
class RecordingBoost : public realtime::Boost
{
public:
    void begin(std::chrono::milliseconds atMost) override
    {
        raised = true;
        limit = atMost;
    }
    void end() override { raised = false; }

    bool raised = false;
    std::chrono::milliseconds limit{0};
};

// The window under test with the collaborators a test controls (scripted digits, a
// counting bell, and stepped or real timers), found controls, and ways to play it as a
// person would: clicks, keys, and watching the boxes while the digits flash.
class FormProbe
{
public:
    // The digits the questions take, in order and over again, unless a test gives others.
    static inline const std::vector<int> UsualDigits{3, 1, 4, 1, 5, 9, 2, 6, 5};

    // The application's translators, one set for the whole test program as the program has
    // one; every window under test speaks their language, Japanese until a test says.
    static ui::Translations& translations();

    explicit FormProbe(const ui::FormPictures& pictures = {},
                       TestTimers::Kind timers = TestTimers::Kind::Stepped,
                       const std::vector<int>& digits = UsualDigits);

    ui::Form1& form() { return form_; }
    const ui::Form1& form() const { return form_; }
    TestTimers& timers() { return timers_; }
    int rings() const { return bell_.rings; }
    CountingBell& bell() { return bell_; }
    const RecordingBoost& boost() const { return boost_; }

    QLineEdit* box(int index) const;
    QLabel* label() const;
    QPushButton* startButton() const;
    QPushButton* endButton() const;
    ui::PictureBox* pictureBox() const;
    ui::ImageHolder* holder(const QString& name) const;
    ui::WindowTimer* timer(Timer which) const { return timers_.timer(which); }

    // Shows the window and waits until it has the keyboard.
    bool showActive();
    // Moves stepped timers on by `milliseconds`.
    void advance(int milliseconds) { timers_.advance(milliseconds); }
    // Clicks the start button and lets the countdown and the flash run, until the digits
    // are masked and the answer is due.
    bool playToAnswering();
    // The digits that flashed in the boxes at the last "GO", as keys to type.
    QString flashedDigits() const;
    // Types `text` into whichever control has the focus, one key per character.
    void type(const QString& text) const;
    QString focusedName() const;
    // The whole window as the screen would show it, in device pixels, once every pending
    // paint is done.
    QImage shot();

private:
    void watchTheFlash();

    ScriptedRandom random_;
    CountingBell bell_;
    TestTimers timers_;
    RecordingBoost boost_;
    ui::Form1 form_;
    std::array<QString, DigitBoxCount> flashed_;
};

inline const QString LevelText = QStringLiteral("ﾚﾍﾞﾙ ");

} // namespace pabrel::testing

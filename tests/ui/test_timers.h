// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "timer_factory.h"
#include "window_timer.h"

#include <QPointer>

#include <array>

namespace pabrel::testing {

class SteppedTimer;

// The window's timers in a test: stepped on a clock of the test's own, where no time
// passes unless the test moves it on, or the program's real ones, to play end to end.
// Either way the test reaches each timer by the game's name for it.
class TestTimers : public ui::TimerFactory
{
public:
    enum class Kind
    {
        Stepped,
        Real,
    };

    explicit TestTimers(Kind kind) : kind_(kind) {}

    ui::WindowTimer* createTimer(Timer which, int intervalMs, QObject* parent) override;

    Kind kind() const { return kind_; }
    ui::WindowTimer* timer(Timer which) const;
    bool anyActive() const;
    // Stepped timers only: moves the clock on by `milliseconds`, ticking each timer when it
    // falls due, in time order. The event loop handles what was posted before and after each
    // tick, as it would while real time passed.
    void advance(int milliseconds);

private:
    SteppedTimer* nextDue(qint64 untilMs) const;

    Kind kind_;
    qint64 nowMs_ = 0;
    std::array<QPointer<ui::WindowTimer>, 3> timers_;
};

} // namespace pabrel::testing

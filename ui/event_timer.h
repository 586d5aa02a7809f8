// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window_timer.h"

#include <QTimer>

class QSocketNotifier;

namespace pabrel::ui {

// The program's window timer. Switching on a timer that already runs leaves its period
// running, and a new interval waits for the next start, so that the game can ask for either
// at any moment without shifting a tick.
//
// The ticks come from a kernel timer (timerfd) watched by the event loop: it wakes the loop
// at the nanosecond it was set for and repeats without drift. Qt's own timers round every
// wait up to a whole millisecond, which would leave the 300 ms flash about a millisecond
// long on average and several at worst; they remain selectable, to measure against. Where
// there is no kernel timer (on systems other than Linux, or when it cannot be set), the
// timer runs on Qt's precise timer instead.
class EventTimer : public WindowTimer
{
    Q_OBJECT

public:
    enum class Clock
    {
        Kernel,
        QtPrecise,
        QtCoarse,
    };

    EventTimer(int intervalMs, QObject* parent);
    ~EventTimer() override;

    void setEnabled(bool enabled) override;
    void setIntervalForNextStart(int milliseconds) override;
    bool isActive() const override { return active_; }
    int interval() const override { return interval_; }
    Clock clock() const { return clock_; }
    // Takes effect from the next start.
    void setClock(Clock clock);

private:
    void start();
    void stop();
    // False, after falling back to Qt's precise timer, when the kernel timer cannot be set.
    bool armKernelTimer(int milliseconds);
    void closeKernelTimer();
    void kernelTimerExpired();

    int interval_;
    int nextInterval_;
    bool active_ = false;
    Clock clock_ = Clock::Kernel;
    int timerFd_ = -1;
    QSocketNotifier* expiry_ = nullptr;
    QTimer qtTimer_;
};

} // namespace pabrel::ui

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window_timer.h"

#include <QPointer>

#include <functional>
#include <vector>

namespace pabrel::ui {

// Lets the window's events into the game one at a time, each to its end. A handler that
// shows a modal box runs a nested event loop; while it does, clicks and keys are turned
// away and timer ticks wait for the handler to return. Once the window is unloaded,
// nothing more gets through.
class EventGate
{
public:
    void deliver(const std::function<void()>& handler);
    // Delivers a tick of `timer` now or, if a handler is running, once it has ended and
    // provided the timer still runs then. A timer has at most one tick waiting.
    void deliverTick(WindowTimer* timer, const std::function<void()>& handler);
    void shut() { shut_ = true; }

private:
    struct WaitingTick
    {
        QPointer<WindowTimer> timer;
        std::function<void()> handler;
    };

    void run(const std::function<void()>& handler);
    void runWaitingTicks();

    bool busy_ = false;
    bool shut_ = false;
    std::vector<WaitingTick> waitingTicks_;
};

} // namespace pabrel::ui

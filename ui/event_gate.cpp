// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "event_gate.h"

#include <QtGlobal>

#include <algorithm>
#include <exception>

namespace pabrel::ui {

void EventGate::deliver(const std::function<void()>& handler)
{
    if (shut_ || busy_) {
        return;
    }
    run(handler);
    runWaitingTicks();
}

void EventGate::deliverTick(WindowTimer* timer, const std::function<void()>& handler)
{
    if (shut_) {
        return;
    }
    if (!busy_) {
        deliver(handler);
        return;
    }
    const bool alreadyWaiting =
        std::any_of(waitingTicks_.begin(), waitingTicks_.end(),
                    [timer](const WaitingTick& waiting) { return waiting.timer == timer; });
    if (!alreadyWaiting) {
        waitingTicks_.push_back({timer, handler});
    }
}

void EventGate::run(const std::function<void()>& handler)
{
    busy_ = true;
    try {
        handler();
    } catch (const std::exception& error) {
        // The game's checks fail only on a bug; Qt cannot unwind through its event loop.
        qFatal("Pabrel stopped on an internal error: %s", error.what());
    }
    busy_ = false;
}

void EventGate::runWaitingTicks()
{
    while (!waitingTicks_.empty() && !shut_) {
        const WaitingTick waiting = waitingTicks_.front();
        waitingTicks_.erase(waitingTicks_.begin());
        if (waiting.timer && waiting.timer->isActive()) {
            run(waiting.handler);
        }
    }
    waitingTicks_.clear();
}

} // namespace pabrel::ui

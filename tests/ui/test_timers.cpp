// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "test_timers.h"

#include "event_timer.h"
#include "stepped_timer.h"

#include <QCoreApplication>

namespace pabrel::testing {

namespace {
std::size_t slotOf(Timer which)
{
    return static_cast<std::size_t>(which);
}
} // namespace

ui::WindowTimer* TestTimers::createTimer(Timer which, int intervalMs, QObject* parent)
{
    ui::WindowTimer* made = nullptr;
    if (kind_ == Kind::Real) {
        made = new ui::EventTimer(intervalMs, parent);
    } else {
        made = new SteppedTimer(intervalMs, nowMs_, parent);
    }
    timers_.at(slotOf(which)) = made;
    return made;
}

ui::WindowTimer* TestTimers::timer(Timer which) const
{
    ui::WindowTimer* made = timers_.at(slotOf(which));
    if (made == nullptr) {
        qFatal("no window holds that timer");
    }
    return made;
}

bool TestTimers::anyActive() const
{
    for (const auto& each : timers_) {
        if (each && each->isActive()) {
            return true;
        }
    }
    return false;
}

void TestTimers::advance(int milliseconds)
{
    if (kind_ != Kind::Stepped) {
        qFatal("only stepped timers can be moved on");
    }
    const qint64 untilMs = nowMs_ + milliseconds;
    QCoreApplication::processEvents();
    while (SteppedTimer* due = nextDue(untilMs)) {
        nowMs_ = due->dueMs();
        due->tick();
        QCoreApplication::processEvents();
    }
    nowMs_ = untilMs;
}

// Of timers due at the same moment, the one made first ticks first.
SteppedTimer* TestTimers::nextDue(qint64 untilMs) const
{
    SteppedTimer* next = nullptr;
    for (const auto& each : timers_) {
        auto* stepped = static_cast<SteppedTimer*>(each.data());
        if (stepped && stepped->isActive() && stepped->dueMs() <= untilMs &&
            (next == nullptr || stepped->dueMs() < next->dueMs())) {
            next = stepped;
        }
    }
    return next;
}

} // namespace pabrel::testing

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "test_timers.h"

#include "event_timer.h"

#include <QCoreApplication>

namespace pabrel::testing {

namespace {
std::size_t slotOf(Timer which)
{
    return static_cast<std::size_t>(which);
}

// A window timer on a test's own clock: it ticks only when the test moves that clock on
// past its due time. It keeps the rules of the program's timers: switching on a running
// timer leaves its period running, and a new interval waits for the next start.
class SteppedTimer : public ui::WindowTimer
{
public:
    SteppedTimer(int intervalMs, const qint64& clockMs, QObject* parent)
        : WindowTimer(parent), clockMs_(clockMs), interval_(intervalMs), nextInterval_(intervalMs)
    {
    }

    void setEnabled(bool enabled) override
    {
        if (!enabled) {
            active_ = false;
        } else if (!active_) {
            active_ = true;
            interval_ = nextInterval_;
            dueMs_ = clockMs_ + interval_;
        }
    }
    void setIntervalForNextStart(int milliseconds) override
    {
        nextInterval_ = milliseconds;
        if (!active_) {
            interval_ = milliseconds;
        }
    }
    bool isActive() const override { return active_; }
    int interval() const override { return interval_; }

    qint64 dueMs() const { return dueMs_; }
    // The clock has reached dueMs(): the next period begins and the timer ticks.
    void tick()
    {
        dueMs_ += interval_;
        emit timeout();
    }

private:
    const qint64& clockMs_;
    int interval_;
    int nextInterval_;
    bool active_ = false;
    qint64 dueMs_ = 0;
};

// Of timers due by `untilMs`, the first due; of those due at the same moment, the one made
// first.
SteppedTimer* nextDue(const std::array<QPointer<ui::WindowTimer>, 3>& timers, qint64 untilMs)
{
    SteppedTimer* next = nullptr;
    for (const auto& each : timers) {
        auto* stepped = static_cast<SteppedTimer*>(each.data());
        if (stepped && stepped->isActive() && stepped->dueMs() <= untilMs &&
            (next == nullptr || stepped->dueMs() < next->dueMs())) {
            next = stepped;
        }
    }
    return next;
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
    while (SteppedTimer* due = nextDue(timers_, untilMs)) {
        nowMs_ = due->dueMs();
        due->tick();
        QCoreApplication::processEvents();
    }
    nowMs_ = untilMs;
}

} // namespace pabrel::testing

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window_timer.h"

#include <QtGlobal>

namespace pabrel::testing {

// A window timer on a test's own clock: it ticks only when the test moves that clock on
// past its due time. It keeps the rules of the program's timers: switching on a running
// timer leaves its period running, and a new interval waits for the next start.
class SteppedTimer : public ui::WindowTimer
{
public:
    SteppedTimer(int intervalMs, const qint64& clockMs, QObject* parent);

    void setEnabled(bool enabled) override;
    void setIntervalForNextStart(int milliseconds) override;
    bool isActive() const override { return active_; }
    int interval() const override { return interval_; }

    qint64 dueMs() const { return dueMs_; }
    // The clock has reached dueMs(): the next period begins and the timer ticks.
    void tick();

private:
    const qint64& clockMs_;
    int interval_;
    int nextInterval_;
    bool active_ = false;
    qint64 dueMs_ = 0;
};

} // namespace pabrel::testing

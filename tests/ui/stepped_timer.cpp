// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stepped_timer.h"

namespace pabrel::testing {

SteppedTimer::SteppedTimer(int intervalMs, const qint64& clockMs, QObject* parent)
    : WindowTimer(parent), clockMs_(clockMs), interval_(intervalMs), nextInterval_(intervalMs)
{
}

void SteppedTimer::setEnabled(bool enabled)
{
    if (!enabled) {
        active_ = false;
    } else if (!active_) {
        active_ = true;
        interval_ = nextInterval_;
        dueMs_ = clockMs_ + interval_;
    }
}

void SteppedTimer::setIntervalForNextStart(int milliseconds)
{
    nextInterval_ = milliseconds;
    if (!active_) {
        interval_ = milliseconds;
    }
}

void SteppedTimer::tick()
{
    dueMs_ += interval_;
    emit timeout();
}

} // namespace pabrel::testing

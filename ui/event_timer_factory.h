// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "timer_factory.h"

namespace pabrel::ui {

// The program's timers: EventTimers, ticking from the kernel's clock.
class EventTimerFactory : public TimerFactory
{
public:
    WindowTimer* createTimer(Timer which, int intervalMs, QObject* parent) override;
};

} // namespace pabrel::ui

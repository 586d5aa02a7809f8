// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "event_timer_factory.h"

#include "event_timer.h"

namespace pabrel::ui {

WindowTimer* EventTimerFactory::createTimer(Timer, int intervalMs, QObject* parent)
{
    return new EventTimer(intervalMs, parent);
}

} // namespace pabrel::ui

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game_view.h"

class QObject;

namespace pabrel::ui {

class WindowTimer;

// Makes the window's timers. The program's ticks come from the system clock; a test can
// hand the window timers that it steps itself.
class TimerFactory
{
public:
    virtual ~TimerFactory() = default;

    // A stopped timer for the game's timer `which`, owned by `parent`.
    virtual WindowTimer* createTimer(Timer which, int intervalMs, QObject* parent) = 0;
};

} // namespace pabrel::ui

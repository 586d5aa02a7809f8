// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace pabrel {
class RandomSource;
} // namespace pabrel

namespace pabrel::realtime {
class Boost;
} // namespace pabrel::realtime

namespace pabrel::ui {

class Bell;
class TimerFactory;
class Translations;

// What the window takes from whoever makes it, to outlive it: where the question's digits
// come from, what sounds the beep, what makes its three timers, what raises its thread
// while the digits show, and the application's translators, whose language the window
// speaks and changes. The program passes the real ones; tests pass scripted digits, timers
// they step themselves and a boost that only records what it is asked.
struct FormServices
{
    RandomSource& random;
    Bell& bell;
    TimerFactory& timers;
    realtime::Boost& boost;
    Translations& translations;
};

} // namespace pabrel::ui

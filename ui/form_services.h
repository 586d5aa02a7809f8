// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace pabrel {
class RandomSource;
} // namespace pabrel

namespace pabrel::ui {

class Bell;
class TimerFactory;

// What the window takes from whoever makes it, to outlive it: where the question's digits
// come from, what sounds the beep, and what makes its three timers. The program passes the
// real ones; tests pass scripted digits and timers they step themselves.
struct FormServices
{
    RandomSource& random;
    Bell& bell;
    TimerFactory& timers;
};

} // namespace pabrel::ui

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

namespace pabrel::app {

// Watches the program's connection to the display. Qt gives up on a missing display with
// a fatal message and an abort; while a guard is alive, that ends the program instead,
// with exit status 1 and a report of what was tried (the X11 and Wayland displays and the
// platform plugin), what Qt said, and a fix that fits this system.
// Qt's other messages wait until the guard is gone and then come out as usual.
class DisplayGuard
{
public:
    // `programPath` is how the program was started, to be repeated in the advice.
    explicit DisplayGuard(const char* programPath);
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

private:
    QtMessageHandler previous_;
};

} // namespace pabrel::app

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

namespace pabrel::ui {

// The control of `window` with this object name ("Label1", "Text1(3)"), for whatever plays
// the window from outside, as the tests and the benchmark do. A name that is not there is
// a mistake in the caller, and stops the program saying which.
template <typename T>
T* namedControl(const QObject& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    if (found == nullptr) {
        qFatal("the window has no control named %s", qPrintable(name));
    }
    return found;
}

} // namespace pabrel::ui

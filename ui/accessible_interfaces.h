// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace pabrel::ui {

// What screen readers are told of the window that Qt's own interfaces do not say: the
// window is a frame whose controls are read in screen order, the picture box is an image,
// the status label is a status bar whose text can be read, and announcements are
// notifications. Installed once, before the first window is made.
void installAccessibleInterfaces();

} // namespace pabrel::ui

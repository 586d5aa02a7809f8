// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace pabrel::ui {
class DesktopServices;
} // namespace pabrel::ui

namespace pabrel::app {

// Loads the desktop services plugin: from the program's own folder first (a build tree),
// else from where it is installed, found from the program's place. It stays loaded for the rest of
// the run.
class DesktopLoader
{
public:
    // Null if the plugin cannot be loaded; error() then says why.
    ui::DesktopServices* load();
    QString error() const { return error_; }

private:
    QString error_;
};

} // namespace pabrel::app

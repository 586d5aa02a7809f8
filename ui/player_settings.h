// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSettings>

namespace pabrel::ui {

// Where the player's choices are remembered between runs: ~/.config/pabrel/pabrel.conf.
inline QSettings playerSettings()
{
    return QSettings(QStringLiteral("pabrel"), QStringLiteral("pabrel"));
}

} // namespace pabrel::ui

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>

namespace pabrel::ui {

// The game writes its texts in Japanese, the source language; this gives each in the
// language in use. The count and "GO" are the same in every language, and so is whatever
// the game writes that is not listed here.
class GameTexts
{
    Q_DECLARE_TR_FUNCTIONS(pabrel::ui::GameTexts)

public:
    static QString translated(const std::string& text);
};

} // namespace pabrel::ui

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <string>

namespace pabrel::ui {

// What the game writes, in the language in use. Its words are marked for translation where
// the game keeps them; the count and "GO" are the same in every language.
QString translatedGameText(const std::string& text);

} // namespace pabrel::ui

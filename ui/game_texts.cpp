// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_texts.h"

#include "game_words.h"

#include <QCoreApplication>

namespace pabrel::ui {

QString translatedGameText(const std::string& text)
{
    if (text.starts_with(words::LevelPrefix)) {
        const QString number = QString::fromStdString(text.substr(words::LevelPrefix.size()));
        return QCoreApplication::translate(words::Context, words::Level.data()).arg(number);
    }
    // A text the translations do not hold comes back as it is.
    return QCoreApplication::translate(words::Context, text.c_str());
}

} // namespace pabrel::ui

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_texts.h"

#include "game_words.h"

#include <utility>

namespace pabrel::ui {

QString GameTexts::translated(const std::string& text)
{
    // Each of the game's words, with the same text marked for translation.
    static const std::pair<std::string_view, const char*> Whole[] = {
        {words::Correct, QT_TR_NOOP("正解！")},
        {words::Wrong, QT_TR_NOOP("残念！")},
        {words::Farewell, QT_TR_NOOP("またの挑戦ををお待ちしております。")},
    };

    if (text.starts_with(words::LevelPrefix)) {
        return tr("ﾚﾍﾞﾙ %1").arg(QString::fromStdString(text.substr(words::LevelPrefix.size())));
    }
    for (const auto& [word, source] : Whole) {
        if (text == word) {
            return tr(source);
        }
    }
    return QString::fromStdString(text);
}

} // namespace pabrel::ui

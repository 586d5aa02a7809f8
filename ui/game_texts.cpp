// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_texts.h"

namespace pabrel::ui {

QString GameTexts::translated(const std::string& text)
{
    // The game's status at each level is this prefix and the level's number.
    static const QString LevelPrefix = QStringLiteral("ﾚﾍﾞﾙ ");
    static const char* const Whole[] = {
        QT_TR_NOOP("正解！"),
        QT_TR_NOOP("残念！"),
        QT_TR_NOOP("またの挑戦ををお待ちしております。"),
    };

    const QString source = QString::fromStdString(text);
    if (source.startsWith(LevelPrefix)) {
        return tr("ﾚﾍﾞﾙ %1").arg(source.mid(LevelPrefix.size()));
    }
    for (const char* known : Whole) {
        if (text == known) {
            return tr(known);
        }
    }
    return source;
}

} // namespace pabrel::ui

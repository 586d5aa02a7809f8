// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_font.h"

#include <QStringList>

namespace pabrel::ui {

QFont gameFont(int pointSize)
{
    QFont font;
    font.setFamilies({
        QStringLiteral("ＭＳ Ｐゴシック"),
        QStringLiteral("MS PGothic"),
        QStringLiteral("IPAPGothic"),
        QStringLiteral("IPAexGothic"),
        QStringLiteral("VL PGothic"),
        QStringLiteral("Noto Sans CJK JP"),
        QStringLiteral("TakaoPGothic"),
    });
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

} // namespace pabrel::ui

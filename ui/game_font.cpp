// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_font.h"

#include <QFontInfo>
#include <QStringList>

namespace pabrel::ui {

namespace {
// Which of the faces this machine has is looked up once, and every size then asks for
// that face by name, rather than walking the list of missing ones for each.
QFont resolvedFace()
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
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setFamilies({QFontInfo(font).family()});
    return font;
}
} // namespace

QFont gameFont(int pointSize)
{
    static const QFont face = resolvedFace();
    QFont font = face;
    font.setPointSize(pointSize);
    return font;
}

} // namespace pabrel::ui

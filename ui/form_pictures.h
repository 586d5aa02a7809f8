// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game_state.h"
#include "recall_order.h"

#include <QImage>
#include <QPixmap>
#include <QString>

#include <array>

namespace pabrel::ui {

// The pictures that the window carries, each shown pixel for pixel. A null picture leaves
// its place plain: the window's button-face colour, an empty picture box. The background
// and the cards may stay in the 16-colour indexed form of their files, a quarter of the
// memory of 32-bit pixels: they are painted straight from it.
struct FormPictures
{
    QImage background;
    QPixmap icon;
    // The rules card of each order, indexed by RecallOrder; one not decoded yet is null.
    std::array<QImage, RecallOrderCount> rules;
    // The pictures of levels 1 to 8, in that order.
    std::array<QImage, MaxLevel> levels;
    // What the rules card and the level cards say, for those who cannot see them.
    std::array<QString, RecallOrderCount> rulesTexts;
    std::array<QString, MaxLevel> levelTexts;
};

// The pictures that the window can take after it is first shown.
struct LaterPictures
{
    QPixmap icon;
    std::array<QImage, MaxLevel> levels;
    // The rules cards of the orders that the first frame did not need; the other is null.
    std::array<QImage, RecallOrderCount> rules;
};

} // namespace pabrel::ui

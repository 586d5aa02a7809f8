// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "card_design.h"
#include "indexed_image.h"

#include <QFont>

namespace pabrel::art {

// Draws a card: its ground, then each block's lines in the largest size whose lines all
// stay within the block's line height (and, unless spaced to fill it, its width), without
// smoothing.
class CardArt
{
public:
    explicit CardArt(QFont face);

    IndexedImage draw(const CardDesign& design) const;

private:
    void drawBlock(IndexedImage& card, const LetteringBlock& block) const;
    QFont fontFor(const LetteringBlock& block) const;
    void fitWidth(QFont& font, const LetteringBlock& block) const;

    QFont face_;
};

} // namespace pabrel::art

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "card_design.h"
#include "card_texts.h"

#include <vector>

namespace pabrel::art {

// The rules cards of the three answer orders and the eight level cards in the given language,
// in that order, with their wording and where their lettering goes. The Japanese cards are
// named rules.bmp (as shown), rules_backward.bmp, rules_ascending.bmp (smallest first) and
// level1.bmp to level8.bmp; the English ones are the same names in en/.
std::vector<CardDesign> cardDesigns(Language language);

} // namespace pabrel::art

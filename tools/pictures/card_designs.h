// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "card_design.h"

#include <vector>

namespace pabrel::art {

// The rules card and the eight level cards, in that order, with their wording and where
// their lettering goes.
std::vector<CardDesign> cardDesigns();

} // namespace pabrel::art

#pragma once

#include "card_design.h"

#include <vector>

namespace pabrel::art {

// The rules card and the eight level cards, in that order, with their wording and where
// their lettering goes.
std::vector<CardDesign> cardDesigns();

} // namespace pabrel::art

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "checked.h"

#include <string>

namespace pabrel {

// Rounds to the nearest integer, a tie going to the even neighbour (2.5 to 2, 3.5 to 4).
Int16 roundHalfToEven(double value);

// The question digit for a random value r, 0 <= r < 1: r x 9 rounded half to even, so 1 to 8
// each come with probability 1/9 and 0 and 9 with 1/18.
Int16 digitFromRandom(double r);

// A number as the game shows it: plain decimal, a hyphen-minus before negatives.
std::string numberText(Int16 value);

} // namespace pabrel

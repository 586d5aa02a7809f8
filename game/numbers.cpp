// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numbers.h"

#include <cmath>

namespace pabrel {

Int16 roundHalfToEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) {
        rounded = below + 1.0;
    }
    if (!(rounded >= INT16_MIN && rounded <= INT16_MAX)) {
        throw OverflowError("16-bit overflow: " + std::to_string(value));
    }
    return static_cast<Int16>(rounded);
}

Int16 digitFromRandom(double r)
{
    return roundHalfToEven(r * 9.0);
}

std::string numberText(Int16 value)
{
    return std::to_string(value);
}

} // namespace pabrel

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "random_source.h"

#include <random>

namespace pabrel {

// Uniform values from a Mersenne Twister, reseeded from the system clock.
class ClockRandomSource : public RandomSource
{
public:
    void reseedFromClock() override;
    double next() override;

private:
    std::mt19937_64 engine_;
};

} // namespace pabrel

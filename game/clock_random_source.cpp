// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clock_random_source.h"

#include <chrono>
#include <cstdint>

namespace pabrel {

void ClockRandomSource::reseedFromClock()
{
    const auto ticks =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    // Spread the clock's bits over the whole state, so that seeds a few ticks apart do not
    // start out alike.
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
    engine_.seed(seed);
}

double ClockRandomSource::next()
{
    // The top 53 bits make a double in [0, 1) exactly; std::generate_canonical may round
    // up to 1.0.
    constexpr double scale = 1.0 / static_cast<double>(std::uint64_t{1} << 53);
    return static_cast<double>(engine_() >> 11) * scale;
}

} // namespace pabrel

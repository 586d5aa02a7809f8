// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace pabrel::art {

// A small pseudo-random generator whose sequence is the same with every compiler and
// standard library, so that the pictures come out the same wherever they are drawn.
class SplitMix
{
public:
    explicit SplitMix(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        state_ += Increment;
        return mix(state_);
    }

    // Uniform in [0, 1), from the top 53 bits.
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

    // Uniform in [low, high].
    int between(int low, int high)
    {
        const auto span = static_cast<std::uint64_t>(high - low) + 1;
        return low + static_cast<int>(next() % span);
    }

    static std::uint64_t mix(std::uint64_t z)
    {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

private:
    static constexpr std::uint64_t Increment = 0x9E3779B97F4A7C15ULL;

    std::uint64_t state_;
};

} // namespace pabrel::art

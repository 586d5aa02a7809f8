// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "random_source.h"

#include <cstddef>
#include <random>
#include <vector>

namespace pabrel::testing {

// Hands out the given values in order, over and over, and counts the reseeds.
class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(std::vector<double> values = {0.0}) : values_(std::move(values)) {}

    // Values that turn into exactly these question digits.
    static ScriptedRandom forDigits(const std::vector<int>& digits)
    {
        std::vector<double> values;
        for (const int digit : digits) {
            values.push_back(digit / 9.0);
        }
        return ScriptedRandom(values);
    }

    void reseedFromClock() override { ++reseeds; }
    double next() override { return values_[next_++ % values_.size()]; }

    int reseeds = 0;

private:
    std::vector<double> values_;
    std::size_t next_ = 0;
};

// Reproducible uniform values for long random runs.
class SeededRandom : public RandomSource
{
public:
    explicit SeededRandom(unsigned seed) : engine_(seed) {}

    void reseedFromClock() override {}
    double next() override
    {
        return std::uniform_real_distribution<double>(0.0, 0.999999)(engine_);
    }

private:
    std::mt19937 engine_;
};

} // namespace pabrel::testing

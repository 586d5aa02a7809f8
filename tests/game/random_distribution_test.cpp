// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clock_random_source.h"
#include "numbers.h"

#include <array>
#include <gtest/gtest.h>

namespace pabrel {
namespace {

TEST(ClockRandomSource, DigitsFollowTheRoundedDistribution)
{
    ClockRandomSource source;
    source.reseedFromClock();
    constexpr int draws = 900'000;
    std::array<int, 10> counts{};
    for (int i = 0; i < draws; ++i) {
        const double r = source.next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        ++counts[static_cast<std::size_t>(digitFromRandom(r))];
    }
    double chiSquare = 0.0;
    for (std::size_t digit = 0; digit < counts.size(); ++digit) {
        const double p = (digit == 0 || digit == 9) ? 1.0 / 18 : 1.0 / 9;
        const double expected = draws * p;
        chiSquare += (counts[digit] - expected) * (counts[digit] - expected) / expected;
    }
    // Nine degrees of freedom: a fair generator exceeds 50 with probability below 1e-7,
    // while giving 0 and 9 the same weight as the other digits scores in the thousands.
    EXPECT_LT(chiSquare, 50.0);
}

TEST(ClockRandomSource, ReseedingLeavesTheDefaultSequence)
{
    ClockRandomSource unseeded;
    ClockRandomSource reseeded;
    reseeded.reseedFromClock();
    EXPECT_NE(reseeded.next(), unseeded.next());
}

} // namespace
} // namespace pabrel

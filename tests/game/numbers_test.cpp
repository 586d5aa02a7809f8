// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numbers.h"

#include <gtest/gtest.h>

namespace pabrel {
namespace {

TEST(Numbers, TiesRoundToTheEvenNeighbour)
{
    const struct
    {
        double product;
        int digit;
    } ties[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {4.5, 4},
                {5.5, 6}, {6.5, 6}, {7.5, 8}, {8.5, 8}};
    for (const auto& tie : ties) {
        EXPECT_EQ(roundHalfToEven(tie.product), tie.digit) << tie.product;
    }
}

TEST(Numbers, NonTiesRoundToTheNearest)
{
    EXPECT_EQ(roundHalfToEven(0.4999999), 0);
    EXPECT_EQ(roundHalfToEven(0.5000001), 1);
    EXPECT_EQ(roundHalfToEven(8.5000001), 9);
    EXPECT_EQ(roundHalfToEven(-1.5), -2);
    EXPECT_EQ(roundHalfToEven(-0.4), 0);
    EXPECT_THROW(roundHalfToEven(32767.5), OverflowError);
}

// The 16-bit range's own ends are values like any other; only beyond them is an overflow.
TEST(Numbers, RoundingReachesBothEndsOfTheSixteenBitRange)
{
    const struct
    {
        double value;
        int rounded;
    } ends[] = {{32767.0, 32767},   {32767.4, 32767},   {32766.5, 32766},
                {-32768.0, -32768}, {-32768.5, -32768}, {-32767.5, -32768}};
    for (const auto& end : ends) {
        EXPECT_EQ(roundHalfToEven(end.value), end.rounded) << end.value;
    }
    for (const double beyond : {32767.5, 32768.0, -32768.6, -32769.0}) {
        EXPECT_THROW(roundHalfToEven(beyond), OverflowError) << beyond;
    }
}

TEST(Numbers, DigitsCoverZeroToNine)
{
    EXPECT_EQ(digitFromRandom(0.0), 0);
    EXPECT_EQ(digitFromRandom(0.5 / 9.0), 0);
    EXPECT_EQ(digitFromRandom(0.0556), 1);
    EXPECT_EQ(digitFromRandom(0.9999999999999999), 9);
    EXPECT_EQ(digitFromRandom(8.5 / 9.0 - 1e-9), 8);
}

TEST(Numbers, TextIsPlainDecimal)
{
    EXPECT_EQ(numberText(3), "3");
    EXPECT_EQ(numberText(0), "0");
    EXPECT_EQ(numberText(-40), "-40");
    EXPECT_EQ(numberText(49), "49");
    EXPECT_EQ(numberText(-32768), "-32768");
}

} // namespace
} // namespace pabrel

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

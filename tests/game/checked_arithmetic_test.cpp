// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "checked.h"

#include <gtest/gtest.h>

namespace pabrel {
namespace {

TEST(CheckedArithmetic, StaysExactInsideTheSixteenBitRange)
{
    EXPECT_EQ(checkedAdd(32766, 1), 32767);
    EXPECT_EQ(checkedSub(-32767, 1), -32768);
    EXPECT_EQ(checkedSub(97, 48), 49);
    EXPECT_EQ(checkedSub(8, 48), -40);
}

TEST(CheckedArithmetic, OverflowRaisesItsOwnError)
{
    EXPECT_THROW(checkedAdd(32767, 1), OverflowError);
    EXPECT_THROW(checkedSub(-32768, 1), OverflowError);
    EXPECT_THROW(checkedSub(-32721, 48), OverflowError);
    EXPECT_NO_THROW(checkedSub(-32720, 48));
}

TEST(CheckedArithmetic, IndexOutsideTheArrayRaisesItsOwnError)
{
    CheckedArray<9> values;
    values[8] = 5;
    EXPECT_EQ(values[8], 5);
    EXPECT_EQ(values[0], 0);
    EXPECT_THROW(values[9], IndexError);
    EXPECT_THROW(values[-1], IndexError);
}

// The message names the index and both bounds, so that a stopped game says what it tried.
TEST(CheckedArithmetic, AnIndexErrorNamesTheIndexAndTheBounds)
{
    const struct
    {
        long index;
        const char* message;
    } outside[] = {{9, "index 9 outside 0 to 8"}, {-1, "index -1 outside 0 to 8"}};
    const CheckedArray<9> values;
    for (const auto& each : outside) {
        try {
            static_cast<void>(values[each.index]);
            ADD_FAILURE() << each.index << " was let through";
        } catch (const IndexError& error) {
            EXPECT_STREQ(error.what(), each.message);
        }
    }
}

} // namespace
} // namespace pabrel

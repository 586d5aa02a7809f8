// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "recall_order.h"

#include <algorithm>
#include <vector>

namespace pabrel {

Int16 boxOfKey(RecallOrder order, Int16 key, Int16 level)
{
    return order == RecallOrder::Backward ? checkedSub(level, key) : key;
}

CheckedArray<DigitBoxCount> expectedBoxes(RecallOrder order,
                                          const CheckedArray<DigitBoxCount>& question, Int16 level)
{
    CheckedArray<DigitBoxCount> expected = question;
    if (order == RecallOrder::Ascending) {
        std::vector<Int16> digits;
        for (int i = 0; i <= level; ++i) {
            digits.push_back(question[i]);
        }
        std::sort(digits.begin(), digits.end());
        for (int i = 0; i <= level; ++i) {
            expected[i] = digits[static_cast<std::size_t>(i)];
        }
    }
    return expected;
}

} // namespace pabrel

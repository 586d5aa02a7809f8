// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "checked.h"
#include "game_state.h"

#include <array>
#include <optional>
#include <string_view>

namespace pabrel {

// The order in which the player gives the shown digits back. The flash, its timing and the
// mask are the same in every order; only the answer a round expects, and where each key's
// digit lands, differ.
enum class RecallOrder
{
    // As shown, left to right.
    Forward,
    // Last digit first.
    Backward,
    // Smallest first, a repeated digit as often as it was shown.
    Ascending,
};

inline constexpr int RecallOrderCount = 3;

inline constexpr std::array<RecallOrder, RecallOrderCount> RecallOrders{
    RecallOrder::Forward, RecallOrder::Backward, RecallOrder::Ascending};

// The order's name on the command line and in the settings: forward, backward, ascending.
constexpr std::string_view codeOf(RecallOrder order)
{
    switch (order) {
    case RecallOrder::Backward:
        return "backward";
    case RecallOrder::Ascending:
        return "ascending";
    case RecallOrder::Forward:
        break;
    }
    return "forward";
}

constexpr std::optional<RecallOrder> recallOrderWithCode(std::string_view code)
{
    for (const RecallOrder order : RecallOrders) {
        if (code == codeOf(order)) {
            return order;
        }
    }
    return std::nullopt;
}

// The digit box that the key-th key of the answer fills (both counted from 0). Backwards the
// answer fills the boxes from the last shown one towards the first, so a right answer puts
// every digit back where it was shown; the other orders fill from the left.
Int16 boxOfKey(RecallOrder order, Int16 key, Int16 level);

// What each digit box must hold once the answer to `question` at `level` is complete.
CheckedArray<DigitBoxCount> expectedBoxes(RecallOrder order,
                                          const CheckedArray<DigitBoxCount>& question, Int16 level);

} // namespace pabrel

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "checked.h"
#include "level_rules.h"

namespace pabrel {

inline constexpr int DigitBoxCount = 9;

// Everything the game remembers. It lives as long as the window and is never saved.
struct GameState
{
    // Seconds still to count before the question shows; 0 while a question is shown or
    // answered, which is how a click on the start button tells a give-up from a start.
    Int16 countdown = 3;
    // 1 to 8; a question at level n has n + 1 digits.
    Int16 level = 1;
    // The digit box (and answer slot) that the next key fills.
    Int16 inputPos = 0;
    CheckedArray<DigitBoxCount> question;
    CheckedArray<DigitBoxCount> answer;
    bool isCorrect = false;
    // Questions are read aloud instead of shown, from the next question on.
    bool listening = false;
    // The digits of the question are being read aloud; the answer is not yet due.
    bool speaking = false;
};

} // namespace pabrel

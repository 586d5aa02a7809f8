// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "checked.h"

namespace pabrel {

// The code of one typed character, as the game receives it with a key press.
//
// A character's code is its UTF-16 code unit read as a signed 16-bit value: U+0000 to
// U+7FFF give 0 to 32767 ('0' is 48, 'a' is 97, Backspace 8), U+8000 to U+FFFF give -32768
// to -1 (the full-width 7, U+FF17, gives -233). The game takes 48 from the code to get the
// digit, so two kinds of character are given the code of U+FFFD REPLACEMENT CHARACTER (-3)
// instead:
//  - U+8000 to U+802F, whose codes lie within 48 of the lowest 16-bit value (CJK ideographs
//    that an input method can commit);
//  - characters beyond U+FFFF (emoji, rarer ideographs): one typed character is one key,
//    although UTF-16 needs two units for it.
// Either way the key is taken, like every other one, as a value that is not a digit.
// Invalid code points beyond U+10FFFF are treated like characters beyond U+FFFF.
class KeyCode
{
public:
    static KeyCode forCharacter(char32_t character);

    Int16 value() const { return value_; }

private:
    explicit KeyCode(Int16 value) : value_(value) {}

    Int16 value_;
};

} // namespace pabrel

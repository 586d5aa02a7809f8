// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "key_code.h"

namespace pabrel {

namespace {
constexpr char32_t ReplacementCharacter = U'\uFFFD';
constexpr char32_t LastBmpCharacter = U'\uFFFF';
constexpr char32_t FirstNegativeCode = U'\u8000';
constexpr char32_t FirstSubtractableNegativeCode = FirstNegativeCode + U'0';

Int16 utf16UnitAsSigned(char32_t character)
{
    return static_cast<Int16>(static_cast<std::uint16_t>(character));
}
} // namespace

KeyCode KeyCode::forCharacter(char32_t character)
{
    const bool hasNoUsableCode =
        character > LastBmpCharacter ||
        (character >= FirstNegativeCode && character < FirstSubtractableNegativeCode);
    return KeyCode(utf16UnitAsSigned(hasNoUsableCode ? ReplacementCharacter : character));
}

} // namespace pabrel

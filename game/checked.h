// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace pabrel {

// The game counts in 16-bit signed integers, like the program it reproduces. Every step of
// that arithmetic is checked: a value that would leave the 16-bit range, or an index that
// would leave an array, is a bug in the game and stops it with one of these errors rather
// than wrapping or clamping behind the player's back.
using Int16 = std::int16_t;

class OverflowError : public std::overflow_error
{
public:
    using std::overflow_error::overflow_error;
};

class IndexError : public std::out_of_range
{
public:
    using std::out_of_range::out_of_range;
};

constexpr Int16 toInt16(long value)
{
    if (value < INT16_MIN || value > INT16_MAX) {
        throw OverflowError("16-bit overflow: " + std::to_string(value));
    }
    return static_cast<Int16>(value);
}

constexpr Int16 checkedAdd(Int16 a, Int16 b)
{
    return toInt16(long{a} + long{b});
}

constexpr Int16 checkedSub(Int16 a, Int16 b)
{
    return toInt16(long{a} - long{b});
}

// A fixed-size array of 16-bit values whose every access is bounds-checked.
template <std::size_t Size>
class CheckedArray
{
public:
    Int16& operator[](long index) { return values_[checkedIndex(index)]; }
    Int16 operator[](long index) const { return values_[checkedIndex(index)]; }
    static constexpr std::size_t size() { return Size; }

private:
    static std::size_t checkedIndex(long index)
    {
        if (index < 0 || index >= static_cast<long>(Size)) {
            throw IndexError("index " + std::to_string(index) + " outside 0 to " +
                             std::to_string(Size - 1));
        }
        return static_cast<std::size_t>(index);
    }

    std::array<Int16, Size> values_{};
};

} // namespace pabrel

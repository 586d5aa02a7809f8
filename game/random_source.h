// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace pabrel {

// Where the question's digits come from.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    virtual void reseedFromClock() = 0;
    // A value r with 0 <= r < 1.
    virtual double next() = 0;
};

} // namespace pabrel

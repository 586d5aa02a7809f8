// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>

namespace pabrel::realtime {

// Raises the calling thread above every normal one for a short, timing-critical stretch,
// and drops it back afterwards. Neither call ever fails or waits: where the thread cannot
// be raised it runs on at normal priority.
class Boost
{
public:
    virtual ~Boost() = default;

    // It drops back by itself after `atMost` should end() not come first; calling again
    // while raised only moves that limit.
    virtual void begin(std::chrono::milliseconds atMost) = 0;
    virtual void end() = 0;
};

} // namespace pabrel::realtime

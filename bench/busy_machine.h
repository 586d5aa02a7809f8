// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <thread>
#include <vector>

namespace pabrel::bench {

// Keeps every core busy for as long as it lives: one thread per core spinning at normal
// priority, as a build or a browser beside the game would.
class BusyMachine
{
public:
    BusyMachine();
    ~BusyMachine();
    BusyMachine(const BusyMachine&) = delete;
    BusyMachine& operator=(const BusyMachine&) = delete;

    int threads() const { return static_cast<int>(spinners_.size()); }

private:
    std::atomic<bool> stop_{false};
    std::vector<std::thread> spinners_;
};

} // namespace pabrel::bench

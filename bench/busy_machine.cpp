// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "busy_machine.h"

#include <algorithm>

namespace pabrel::bench {

BusyMachine::BusyMachine()
{
    const unsigned cores = std::max(1U, std::thread::hardware_concurrency());
    for (unsigned i = 0; i < cores; ++i) {
        spinners_.emplace_back([this] {
            // Plain work between the looks at the flag, so the loop is not optimised away.
            volatile unsigned long sink = 0;
            while (!stop_.load(std::memory_order_relaxed)) {
                for (int step = 0; step < 10'000; ++step) {
                    sink = sink + 1;
                }
            }
        });
    }
}

BusyMachine::~BusyMachine()
{
    stop_.store(true);
    for (std::thread& spinner : spinners_) {
        spinner.join();
    }
}

} // namespace pabrel::bench

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>

// What the start-up benchmark and the probe it preloads into each program agree on.
namespace pabrel::bench::probe {

// Set in the program's environment by whoever launches it: the monotonic clock at launch,
// in nanoseconds.
inline constexpr char LaunchedAtVariable[] = "PABREL_PROBE_LAUNCHED_NS";

// Starts the line the probe writes on standard output at the first frame, followed by the
// milliseconds since launch, the process's CPU time in milliseconds and its peak resident
// memory in MiB (nan for a figure the system does not give).
inline constexpr char ReportMarker[] = "pabrel-first-frame";

// The clock both sides read: steady, and shared by every process on the machine.
inline long long monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace pabrel::bench::probe

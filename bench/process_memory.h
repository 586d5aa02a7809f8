// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

namespace pabrel::bench {

// Resident memory of this process, in mebibytes, as the system counts it; empty where the
// system does not tell.
std::optional<double> residentMiB();
std::optional<double> peakResidentMiB();

// "12.34 MiB", or a note that the figure is not measured on this system.
std::string formatMiB(std::optional<double> mebibytes);

} // namespace pabrel::bench

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "process_memory.h"

#include <cstdio>

#if defined(__linux__)
#include <fstream>
#include <string>
#elif defined(__unix__) || defined(__APPLE__)
#include <sys/resource.h>
#endif

namespace pabrel::bench {

namespace {
#if defined(__linux__)
std::optional<double> statusFieldMiB(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) {
            return std::stod(line.substr(field.size() + 1)) / 1024.0;
        }
    }
    return std::nullopt;
}
#endif
} // namespace

std::optional<double> residentMiB()
{
#if defined(__linux__)
    return statusFieldMiB("VmRSS");
#else
    return std::nullopt;
#endif
}

std::optional<double> peakResidentMiB()
{
#if defined(__linux__)
    return statusFieldMiB("VmHWM");
#elif defined(__unix__) || defined(__APPLE__)
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) != 0) {
        return std::nullopt;
    }
#if defined(__APPLE__)
    const double bytes = static_cast<double>(usage.ru_maxrss);
#else
    const double bytes = static_cast<double>(usage.ru_maxrss) * 1024.0;
#endif
    return bytes / (1024.0 * 1024.0);
#else
    return std::nullopt;
#endif
}

std::string formatMiB(std::optional<double> mebibytes)
{
    if (!mebibytes) {
        return "(not measured here)";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.2f MiB", *mebibytes);
    return text;
}

} // namespace pabrel::bench

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statistics.h"

#include <algorithm>
#include <cmath>

namespace pabrel::bench {

namespace {
double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}
} // namespace

Summary summariseMagnitudes(std::vector<double> values)
{
    Summary summary;
    if (values.empty()) {
        return summary;
    }
    summary.signedMedian = median(values);
    for (double& value : values) {
        value = std::abs(value);
    }
    std::sort(values.begin(), values.end());
    const auto rank = [&](double fraction) {
        const auto index = static_cast<std::size_t>(std::ceil(fraction * values.size())) - 1;
        return values[std::min(index, values.size() - 1)];
    };
    summary.count = static_cast<int>(values.size());
    summary.median = median(values);
    summary.p95 = rank(0.95);
    summary.max = values.back();
    return summary;
}

} // namespace pabrel::bench

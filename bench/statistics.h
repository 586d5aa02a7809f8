// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

namespace pabrel::bench {

struct Summary
{
    int count = 0;
    // Of the signed values: which way the errors lean.
    double signedMedian = 0;
    double median = 0;
    double p95 = 0;
    double max = 0;
};

// Median, 95th percentile (nearest rank) and maximum of the absolute values, and the
// median of the values themselves.
Summary summariseMagnitudes(std::vector<double> values);

} // namespace pabrel::bench

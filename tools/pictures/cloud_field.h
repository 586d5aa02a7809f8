// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

namespace pabrel::art {

// Smooth random relief made of a few layers of value noise, each a grid of random heights
// blended smoothly between grid points. Large cells give the broad swell, small cells the
// ragged edges of the clouds.
class CloudField
{
public:
    struct Layer
    {
        double cellSize;
        double weight;
    };

    CloudField(std::uint64_t seed, std::vector<Layer> layers);

    // Roughly in [0, 1]: the weighted mean of the layers.
    double at(double x, double y) const;

private:
    double layerAt(std::size_t layer, double x, double y) const;
    double gridValue(std::size_t layer, std::int64_t column, std::int64_t row) const;

    std::uint64_t seed_;
    std::vector<Layer> layers_;
    double totalWeight_;
};

} // namespace pabrel::art

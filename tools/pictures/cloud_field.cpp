// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cloud_field.h"

#include "split_mix.h"

#include <cmath>
#include <stdexcept>

namespace pabrel::art {
namespace {

// Eases the blend between grid points so that the relief has no creases along the grid.
double smootherStep(double t)
{
    return t * t * t * (t * (t * 6 - 15) + 10);
}

double blend(double from, double to, double t)
{
    return from + (to - from) * smootherStep(t);
}

} // namespace

CloudField::CloudField(std::uint64_t seed, std::vector<Layer> layers)
    : seed_(seed), layers_(std::move(layers)), totalWeight_(0)
{
    for (const Layer& layer : layers_) {
        if (layer.cellSize <= 0 || layer.weight <= 0) {
            throw std::invalid_argument("a cloud layer needs a positive cell size and weight");
        }
        totalWeight_ += layer.weight;
    }
    if (layers_.empty()) {
        throw std::invalid_argument("a cloud field needs at least one layer");
    }
}

double CloudField::at(double x, double y) const
{
    double sum = 0;
    for (std::size_t i = 0; i < layers_.size(); ++i) {
        sum += layers_[i].weight * layerAt(i, x, y);
    }
    return sum / totalWeight_;
}

double CloudField::layerAt(std::size_t layer, double x, double y) const
{
    const double gridX = x / layers_[layer].cellSize;
    const double gridY = y / layers_[layer].cellSize;
    const auto column = static_cast<std::int64_t>(std::floor(gridX));
    const auto row = static_cast<std::int64_t>(std::floor(gridY));
    const double tx = gridX - static_cast<double>(column);
    const double ty = gridY - static_cast<double>(row);
    const double top = blend(gridValue(layer, column, row), gridValue(layer, column + 1, row), tx);
    const double bottom =
        blend(gridValue(layer, column, row + 1), gridValue(layer, column + 1, row + 1), tx);
    return blend(top, bottom, ty);
}

double CloudField::gridValue(std::size_t layer, std::int64_t column, std::int64_t row) const
{
    std::uint64_t key = SplitMix::mix(seed_ + layer);
    key = SplitMix::mix(key ^ static_cast<std::uint64_t>(column));
    key = SplitMix::mix(key ^ static_cast<std::uint64_t>(row));
    return static_cast<double>(key >> 11) * 0x1.0p-53;
}

} // namespace pabrel::art

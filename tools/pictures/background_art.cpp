// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "background_art.h"

#include "cloud_field.h"
#include "palette.h"
#include "split_mix.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace pabrel::art {
namespace {

constexpr std::uint64_t EdgeSeed = 0x5EED'ED6E;
constexpr std::uint64_t SwellSeed = 0x5EED'5E11;
constexpr std::uint64_t CloudSeed = 0x5EED'C10D;
constexpr std::uint64_t SprinkleSeed = 0x5EED'B10E;

// Clouds a few tens of pixels across with ragged edges, sharpened against the thinner
// ground between them by raising the relief to a power.
const std::vector<CloudField::Layer> CloudLayers = {{24.0, 1.0}, {10.0, 0.5}};
constexpr double CloudContrast = 1.3;
// Clouds alone keep every 100 x 100 patch near the mean of about 7 % blue. Where a slow
// swell a couple of hundred pixels across sinks below the threshold, the blue thins out by
// up to the depth: the thinnest patches come down to about 3 % and the densest, taking up
// what the thin ones give away, stay under 10 %.
constexpr double SwellCellSize = 200.0;
constexpr double SwellThreshold = 0.4;
constexpr double SwellDepth = 0.5;
// Blue is counted out cell by cell, so that patches get the share of blue the map gives
// them rather than that share give or take chance.
constexpr int CellSide = 10;
constexpr int TopEdgeGreyPixels = 14;

// How many blue pixels each pixel should hold on average, scaled so that the whole picture
// holds the wanted count.
struct BlueMap
{
    int width;
    std::vector<double> expected;

    double at(int x, int y) const { return expected[static_cast<std::size_t>(y * width + x)]; }
};

double thinning(double swell)
{
    return 1.0 - SwellDepth * std::clamp((SwellThreshold - swell) / SwellThreshold, 0.0, 1.0);
}

BlueMap mapBlue(int width, int height, double total)
{
    const CloudField swell(SwellSeed, {{SwellCellSize, 1.0}});
    const CloudField clouds(CloudSeed, CloudLayers);
    BlueMap map{width, {}};
    double sum = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            map.expected.push_back(thinning(swell.at(x, y)) *
                                   std::pow(clouds.at(x, y), CloudContrast));
            sum += map.expected.back();
        }
    }
    for (double& value : map.expected) {
        value *= total / sum;
    }
    return map;
}

void drawBrokenEdgeLine(IndexedImage& image, int x, SplitMix& random)
{
    bool drawing = random.between(0, 1) == 1;
    int y = 0;
    while (y < image.height()) {
        const int run = drawing ? random.between(6, 48) : random.between(2, 18);
        for (int end = std::min(y + run, image.height()); y < end; ++y) {
            if (drawing) {
                image.set(x, y, LightGrey);
            }
        }
        drawing = !drawing;
    }
}

void drawEdges(IndexedImage& image)
{
    SplitMix random(EdgeSeed);
    drawBrokenEdgeLine(image, 0, random);
    drawBrokenEdgeLine(image, image.width() - 1, random);
    for (int i = 0; i < TopEdgeGreyPixels; ++i) {
        image.set(random.between(1, image.width() - 2), 0, LightGrey);
    }
}

struct Cell
{
    int left;
    int top;
    int right;
    int bottom;
};

struct Candidate
{
    double key;
    int x;
    int y;
};

// Weighted sampling without replacement: each pixel is keyed log(u) / weight and the
// largest keys win, so denser parts of the map win more often.
void sprinkleCell(IndexedImage& image, const BlueMap& density, const Cell& cell, int count,
                  SplitMix& random)
{
    std::vector<Candidate> candidates;
    for (int y = cell.top; y < cell.bottom; ++y) {
        for (int x = cell.left; x < cell.right; ++x) {
            const double u = random.unit();
            if (image.at(x, y) == White) {
                candidates.push_back({std::log1p(-u) / (density.at(x, y) + 1e-12), x, y});
            }
        }
    }
    count = std::min(count, static_cast<int>(candidates.size()));
    const auto cut = candidates.begin() + count;
    std::partial_sort(candidates.begin(), cut, candidates.end(),
                      [](const Candidate& a, const Candidate& b) { return a.key > b.key; });
    for (auto it = candidates.begin(); it != cut; ++it) {
        image.set(it->x, it->y, Blue);
    }
}

double whiteDensity(const IndexedImage& image, const BlueMap& density, const Cell& cell)
{
    double sum = 0;
    for (int y = cell.top; y < cell.bottom; ++y) {
        for (int x = cell.left; x < cell.right; ++x) {
            sum += image.at(x, y) == White ? density.at(x, y) : 0.0;
        }
    }
    return sum;
}

std::vector<Cell> cellsInSnakeOrder(const IndexedImage& image)
{
    std::vector<Cell> cells;
    for (int top = 0, row = 0; top < image.height(); top += CellSide, ++row) {
        std::vector<Cell> band;
        for (int left = 0; left < image.width(); left += CellSide) {
            band.push_back({left, top, std::min(left + CellSide, image.width()),
                            std::min(top + CellSide, image.height())});
        }
        if (row % 2 == 1) {
            std::reverse(band.begin(), band.end());
        }
        cells.insert(cells.end(), band.begin(), band.end());
    }
    return cells;
}

// Each cell gets its expected count rounded, the rounding error carried on to the next cell
// along a snake through the picture, so that the total comes out exact.
void sprinkle(IndexedImage& image, int count)
{
    const BlueMap density = mapBlue(image.width(), image.height(), count);
    const std::vector<Cell> cells = cellsInSnakeOrder(image);
    double available = 0;
    for (const Cell& cell : cells) {
        available += whiteDensity(image, density, cell);
    }
    SplitMix random(SprinkleSeed);
    double carried = 0;
    for (const Cell& cell : cells) {
        const double expected = whiteDensity(image, density, cell) * count / available;
        const int placed = static_cast<int>(std::floor(expected + carried + 0.5));
        carried += expected - placed;
        sprinkleCell(image, density, cell, placed, random);
    }
}

} // namespace

IndexedImage drawBackground()
{
    IndexedImage image(BackgroundWidth, BackgroundHeight, White);
    drawEdges(image);
    sprinkle(image, BackgroundBlueCount);
    return image;
}

SpeckleSummary summariseSpeckle(const IndexedImage& background)
{
    const int width = background.width();
    const int height = background.height();
    std::vector<std::vector<int>> sums(height + 1, std::vector<int>(width + 1, 0));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            sums[y + 1][x + 1] =
                sums[y][x + 1] + sums[y + 1][x] - sums[y][x] + (background.at(x, y) == Blue);
        }
    }
    const int side = BackgroundPatchSide;
    int thinnest = side * side;
    int densest = 0;
    for (int y = 0; y + side <= height; ++y) {
        for (int x = 0; x + side <= width; ++x) {
            const int blue =
                sums[y + side][x + side] - sums[y][x + side] - sums[y + side][x] + sums[y][x];
            thinnest = std::min(thinnest, blue);
            densest = std::max(densest, blue);
        }
    }
    const double area = side * side;
    return {sums[height][width], thinnest / area, densest / area};
}

} // namespace pabrel::art

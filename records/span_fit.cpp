// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "span_fit.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace pabrel::records {

namespace {
// The span is looked for well beyond the rows the game shows, so that a player past either
// end is seen to be there.
constexpr double LowestSpan = MinDigits - 3.0;
constexpr double HighestSpan = MaxDigits + 3.0;
constexpr int SpanPoints = 49;
// Slopes in logits per digit, evenly spaced in their logarithm: from a curve that falls
// from 90 % right to 10 % over 15 digits to one that falls as far within one.
constexpr int SlopePoints = 12;
constexpr double ShallowestSlope = 0.5;
constexpr double SteepestSlope = 6.0;
// A grid coarser than half the spread is laid again, finer, around the mean.
constexpr int MostRefinements = 4;
constexpr double GridPerSpread = 2;
constexpr double SpreadsAround = 6;
// How sure the posterior must be that the span lies beyond an end of the rows to say so.
constexpr double EndCertainty = 0.8;

const std::array<double, SlopePoints>& slopes()
{
    static const auto grid = [] {
        std::array<double, SlopePoints> values{};
        for (int i = 0; i < SlopePoints; ++i) {
            values[i] = ShallowestSlope *
                        std::pow(SteepestSlope / ShallowestSlope, double(i) / (SlopePoints - 1));
        }
        return values;
    }();
    return grid;
}

// log(1 + e^z), without overflow.
double softplus(double z)
{
    return z > 0 ? z + std::log1p(std::exp(-z)) : std::log1p(std::exp(z));
}

struct Posterior
{
    double mean = 0;
    double median = 0;
    // The chances that the span lies beyond the longest row and below the shortest.
    double aboveRows = 0;
    double belowRows = 0;
    double spread = 0;
    // The spread of the span held within the rows the game shows.
    double spreadWithinRows = 0;
};

// The posterior of the span on SpanPoints points from `low` to `high`, the slope summed out.
Posterior posterior(const LevelCounts& counts, double low, double high)
{
    const double step = (high - low) / (SpanPoints - 1);
    std::array<double, SpanPoints * SlopePoints> logLikelihood{};
    for (int s = 0; s < SpanPoints; ++s) {
        const double span = low + step * s;
        for (int b = 0; b < SlopePoints; ++b) {
            double sum = 0;
            for (int level = MinLevel; level <= MaxLevel; ++level) {
                const int answered = counts.answered[level - 1];
                if (answered > 0) {
                    // The chance of a wrong answer is 1 / (1 + e^-z), of a right one e^-z times
                    // that.
                    const double z = slopes()[b] * (digitsAt(level) - span);
                    sum += (answered - counts.right[level - 1]) * z - answered * softplus(z);
                }
            }
            logLikelihood[s * SlopePoints + b] = sum;
        }
    }
    const double most = *std::ranges::max_element(logLikelihood);
    double total = 0;
    double sum = 0;
    double squares = 0;
    double withinSum = 0;
    double withinSquares = 0;
    double above = 0;
    double beneath = 0;
    std::array<double, SpanPoints> weights{};
    for (int s = 0; s < SpanPoints; ++s) {
        double& weight = weights[s];
        for (int b = 0; b < SlopePoints; ++b) {
            weight += std::exp(logLikelihood[s * SlopePoints + b] - most);
        }
        const double span = low + step * s;
        const double within = std::clamp(span, double(MinDigits), double(MaxDigits));
        total += weight;
        above += span > MaxDigits ? weight : 0;
        beneath += span < MinDigits ? weight : 0;
        sum += weight * span;
        squares += weight * span * span;
        withinSum += weight * within;
        withinSquares += weight * within * within;
    }
    const auto spreadOf = [total](double sum, double squares) {
        const double mean = sum / total;
        return std::sqrt(std::max(0.0, squares / total - mean * mean));
    };
    // Each point stands for the step around it.
    double below = 0;
    double median = high;
    for (int s = 0; s < SpanPoints; ++s) {
        if (below + weights[s] >= total / 2) {
            median = low + step * (s - 0.5 + (total / 2 - below) / weights[s]);
            break;
        }
        below += weights[s];
    }
    return {sum / total,
            median,
            above / total,
            beneath / total,
            spreadOf(sum, squares),
            spreadOf(withinSum, withinSquares)};
}
} // namespace

int LevelCounts::rounds() const
{
    return std::accumulate(answered.begin(), answered.end(), 0);
}

LevelCounts& LevelCounts::operator+=(const LevelCounts& other)
{
    for (std::size_t i = 0; i < answered.size(); ++i) {
        answered[i] += other.answered[i];
        right[i] += other.right[i];
    }
    return *this;
}

SpanEstimate fitSpan(const LevelCounts& counts)
{
    SpanEstimate estimate;
    estimate.rounds = counts.rounds();
    if (estimate.rounds == 0) {
        return estimate;
    }
    double low = LowestSpan;
    double high = HighestSpan;
    Posterior fit = posterior(counts, low, high);
    for (int refined = 0; refined < MostRefinements; ++refined) {
        const double step = (high - low) / (SpanPoints - 1);
        if (step * GridPerSpread <= fit.spread) {
            break;
        }
        const double reach = SpreadsAround * std::max(fit.spread, step / 2);
        low = std::max(LowestSpan, fit.mean - reach);
        high = std::min(HighestSpan, fit.mean + reach);
        fit = posterior(counts, low, high);
    }
    // Beyond the rows the game shows, only which end is told, once it is all but sure; a
    // span within them is told once they pin it down.
    if (fit.aboveRows >= EndCertainty) {
        estimate.kind = SpanEstimate::Kind::AtLeastCeiling;
    } else if (fit.belowRows >= EndCertainty) {
        estimate.kind = SpanEstimate::Kind::AtMostFloor;
    } else if (fit.spreadWithinRows <= MaxSpread && fit.median >= MinDigits &&
               fit.median <= MaxDigits) {
        estimate.kind = SpanEstimate::Kind::Digits;
        estimate.digits = fit.median;
        estimate.spread = fit.spread;
    }
    return estimate;
}

} // namespace pabrel::records

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "record_files.h"
#include "span_estimator.h"

#include <cmath>
#include <gtest/gtest.h>

namespace pabrel::testing {
namespace {

using records::Presentation;
using records::RoundKind;
using records::SpanEstimate;
using enum SpanEstimate::Kind;

// Tokyo's days, nine hours ahead of UTC; the last day of the week played is Start's.
const QTimeZone Tokyo(9 * 3600);
const QDateTime Start(QDate(2026, 3, 16), QTime(20, 0), Tokyo);

// A week as players play it: sittings of 6 to 14 rounds on four of its seven days, most of
// them in a new window that starts at level 1; or `roundsADay` rounds on every day.
SpanEstimate weekOf(const SimulatedPlayer& player, unsigned seed, int roundsADay = 0)
{
    std::mt19937 random(seed);
    records::SpanEstimator estimator(Tokyo);
    int level = MinLevel;
    for (int day = 0; day < 7; ++day) {
        if (roundsADay == 0 && std::uniform_int_distribution(0, 6)(random) < 3) {
            continue;
        }
        if (roundsADay > 0 || std::uniform_int_distribution(0, 3)(random) > 0) {
            level = MinLevel;
        }
        const int rounds =
            roundsADay > 0 ? roundsADay : std::uniform_int_distribution(6, 14)(random);
        const QDateTime from = Start.addDays(day - 6);
        // The sitting moves `level` on, so its answers are taken before its first level is.
        const int first = level;
        const std::string answers = player.sitting(rounds, level, random);
        for (const auto& round : playedRounds(from, answers, first)) {
            estimator.add(round.startedAt.toMSecsSinceEpoch(), round.level, round.outcome,
                          round.kind());
        }
    }
    return estimator.week(Start.date(), RoundKind{});
}

TEST(SpanEstimator, GivesAnHonestSpreadForPlayersOfEverySpanAndSlope)
{
    constexpr unsigned Players = 150;
    int withinOne = 0;
    int withinTwo = 0;
    int given = 0;
    for (const double span : {4.5, 6.0, 7.5}) {
        for (const double slope : {0.8, 1.5, 3.0}) {
            int figures = 0;
            int covered = 0;
            double error = 0;
            for (unsigned seed = 0; seed < Players; ++seed) {
                const SpanEstimate estimate = weekOf({span, slope}, seed);
                if (estimate.kind != Digits) {
                    continue;
                }
                ++figures;
                const double off = std::abs(estimate.digits - span) / estimate.spread;
                covered += off <= 1;
                withinTwo += off <= 1.96;
                error += estimate.digits - span;
            }
            SCOPED_TRACE(::testing::Message() << "span " << span << ", slope " << slope);
            EXPECT_GE(figures, 0.9 * Players);
            EXPECT_NEAR(error / figures, 0, 0.2);
            EXPECT_GE(covered, 0.55 * figures);
            EXPECT_LE(covered, 0.85 * figures);
            withinOne += covered;
            given += figures;
        }
    }
    EXPECT_GE(withinOne, 0.60 * given);
    EXPECT_LE(withinOne, 0.78 * given);
    EXPECT_GE(withinTwo, 0.89 * given);
    EXPECT_LE(withinTwo, 0.98 * given);
}

TEST(SpanEstimator, TellsTheEndsWhereTheRoundsReachThem)
{
    const struct
    {
        SimulatedPlayer player;
        int roundsADay;
        SpanEstimate::Kind kind;
        double leastShare;
    } cases[] = {
        // Five rounds a day from level 1 are enough for a figure.
        {{6.0, 1.5}, 5, Digits, 0.8},
        {{10.5, 1.5}, 0, AtLeastCeiling, 0.9},
        {{1.0, 1.5}, 0, AtMostFloor, 0.9},
        // Giving up on the long rows does not make a player look better.
        {{8.5, 1.5, 0.5}, 0, AtLeastCeiling, 0.0},
    };
    for (const auto& [player, roundsADay, kind, leastShare] : cases) {
        int found = 0;
        for (unsigned seed = 0; seed < 200; ++seed) {
            found += weekOf(player, seed, roundsADay).kind == kind;
        }
        if (leastShare > 0) {
            EXPECT_GE(found, leastShare * 200) << player.span;
        } else {
            EXPECT_LE(found, 0.15 * 200) << player.span;
        }
    }
}

TEST(SpanEstimator, CountsEachRoundOnItsLocalDayAndByItsKind)
{
    records::SpanEstimator estimator(Tokyo);
    const auto add = [&](const QDateTime& from, std::string_view answers, RoundKind kind) {
        for (const auto& round : playedRounds(from, answers, MinLevel, kind)) {
            estimator.add(round.startedAt.toMSecsSinceEpoch(), round.level, round.outcome,
                          round.kind());
        }
    };
    // Read aloud today, answered backwards a week ago across Tokyo's midnight (23:59:40 to
    // 00:00:20).
    const RoundKind spoken{RecallOrder::Forward, Presentation::Spoken};
    const RoundKind backward{RecallOrder::Backward, Presentation::Shown};
    add(Start, "+++-+-+-+-+-+-+-+-+-+-", spoken);
    add(Start.addDays(-7).addSecs(4 * 3600 - 20), "+++", backward);
    EXPECT_EQ(estimator.week(Start.date(), backward).rounds, 2);
    EXPECT_EQ(estimator.week(Start.date(), spoken).rounds, 22);
    EXPECT_EQ(estimator.week(Start.date().addDays(-7), backward).rounds, 1);
    EXPECT_EQ(estimator.week(Start.date(), RoundKind{}).rounds, 0);
    EXPECT_EQ(estimator.playedDays(backward).size(), 2u);
    EXPECT_TRUE(estimator.playedDays(RoundKind{}).empty());
}

TEST(SpanEstimate, KeepsASignificantDigitOfItsSpread)
{
    const SpanEstimate::Words words{"%1 (±%2)", "%1+", "%1-", "none of %1"};
    const std::pair<SpanEstimate, const char*> cases[] = {
        {{Digits, 6.4321, 0.21, 40}, "6.4 (±0.2)"},
        {{Digits, 6.4321, 0.043, 900}, "6.43 (±0.04)"},
        {{Digits, 6.4321, 0.0042, 90000}, "6.432 (±0.004)"},
        {{AtLeastCeiling, 0, 0, 40}, "9+"},
        {{AtMostFloor, 0, 0, 40}, "2-"},
        {{None, 0, 0, 12}, "none of 12"},
    };
    for (const auto& [estimate, said] : cases) {
        EXPECT_EQ(estimate.said(words), QString::fromUtf8(said));
    }
}

} // namespace
} // namespace pabrel::testing

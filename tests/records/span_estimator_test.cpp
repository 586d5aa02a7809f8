// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "span_estimator.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace pabrel::testing {
namespace {

using records::SpanEstimate;
using enum SpanEstimate::Kind;
using Rounds = std::vector<records::RoundRecord>;

// Tokyo's days, nine hours ahead of UTC, on a clock that starts at 20:00 there.
const QTimeZone Tokyo(9 * 3600);
const QDateTime Start(QDate(2026, 3, 16), QTime(20, 0), Tokyo);
constexpr qint64 RoundMs = 20'000, MinuteMs = 60'000, DayMs = 1440 * MinuteMs;

int levelAfter(int level, char answer)
{
    return std::clamp(level + (answer == '+' ? 1 : -1), int{MinLevel}, int{MaxLevel});
}

// Plays `answers` ('+' right, '-' wrong, 'g' given up) a round every 20 s from `fromMs`.
Rounds sitting(std::string_view answers, qint64 fromMs = 0, int level = MinLevel)
{
    Rounds rounds(answers.size());
    for (std::size_t n = 0; n < answers.size(); level = levelAfter(level, answers[n++])) {
        rounds[n].startedAt = Start.addMSecs(fromMs + RoundMs * qint64(n));
        rounds[n].level = level;
        rounds[n].outcome = answers[n] == '+'   ? records::CorrectOutcome
                            : answers[n] == '-' ? records::WrongOutcome
                                                : records::GaveUpOutcome;
    }
    return rounds;
}

Rounds operator+(Rounds a, const Rounds& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// In time order, as the records file hands them over.
Rounds sorted(Rounds rounds)
{
    std::ranges::stable_sort(rounds, {}, &records::RoundRecord::startedAt);
    return rounds;
}

records::SpanEstimator estimatorOf(const Rounds& rounds, const QTimeZone& zone = Tokyo)
{
    records::SpanEstimator estimator(zone);
    for (const auto& round : rounds) {
        estimator.add(round);
    }
    return estimator;
}

// Each recalls d digits with the chance 1 / (1 + e^(1.5 (d - span))) over 200 rounds, in four
// sittings an hour apart that start from level 1 as the game does.
TEST(SpanEstimator, FindsTheSpanOfSimulatedPlayersWithinHalfADigit)
{
    const std::pair<double, SpanEstimate::Kind> players[] = {
        {4.5, Digits},         {6.0, Digits},      {7.5, Digits},
        {9.5, AtLeastCeiling}, {1.5, AtMostFloor}, {1.0, AtMostFloor}};
    for (const auto& [span, kind] : players) {
        int found = 0;
        for (unsigned seed = 0; seed < 200; ++seed) {
            std::mt19937 random(seed);
            Rounds rounds;
            for (int hour = 0; hour < 4; ++hour) {
                std::string answers;
                for (int level = MinLevel; answers.size() < 50;
                     level = levelAfter(level, answers.back())) {
                    const double chance = 1 / (1 + std::exp(1.5 * (level + 1 - span)));
                    answers += std::generate_canonical<double, 32>(random) < chance ? '+' : '-';
                }
                rounds = rounds + sitting(answers, hour * 60 * MinuteMs);
            }
            const SpanEstimate estimate = estimatorOf(rounds).day(Start.date());
            found += estimate.kind == kind &&
                     (kind != Digits || std::abs(estimate.digits - span) <= 0.5);
        }
        EXPECT_GE(found, 190) << "span " << span;
    }
}

TEST(SpanEstimator, StaysOnTheRightStaircaseThroughAwkwardRounds)
{
    // Climbs to level 4 and swings between 5 and 4 digits: four counted reversals.
    const Rounds swings = sitting("+++-+-+-+");
    // Copies of a round that would turn the staircase too soon, were they not passed over.
    Rounds unreadable = swings;
    unreadable.insert(unreadable.begin() + 6, 3, swings[6]);
    unreadable[6].outcome = QStringLiteral("skipped");
    unreadable[7].level = MaxLevel + 1;
    unreadable[8].startedAt = {};
    const qint64 tenMinutesOn = 8 * RoundMs + 10 * MinuteMs;
    const std::tuple<const char*, Rounds, SpanEstimate::Kind, double> cases[] = {
        {"swings", swings, Digits, 4.5},
        {"give-ups as wrong answers", sitting("+++g+g+g+"), Digits, 4.5},
        {"three reversals", sitting("+++-+-+-"), None, 0},
        {"only give-ups", sitting("gggggggg"), None, 0},
        {"pause of 10 min", swings + sitting("-+-+", tenMinutesOn, 4), Digits, 4.5},
        {"longer pause", swings + sitting("-+-+", tenMinutesOn + 1, 4), Digits, 4.4},
        {"restart", sitting("+++++-+-") + sitting("++++-+-+-+", 8 * RoundMs), Digits, 5.8},
        {"two windows", sorted(swings + sitting("+++++-+-+-+", RoundMs / 2)), Digits, 5.5},
        {"clock set back 90 s", sorted(swings + sitting("-+-+-+", 9 * RoundMs - 90'000, 4)), Digits,
         31.0 / 7},
        {"clock set back an hour, as played", swings + sitting("-+-+-+", 9 * RoundMs - 3600'000, 4),
         Digits, 4.5},
        {"unreadable rounds", unreadable, Digits, 4.5},
        {"right at the top", sitting("+++++++++++++++++-+"), AtLeastCeiling, 0},
        {"three right at the top", sitting("+++", 0, MaxLevel), None, 0},
        {"wrong at the bottom", sitting("----+--"), AtMostFloor, 0},
    };
    for (const auto& [name, rounds, kind, digits] : cases) {
        const SpanEstimate span = estimatorOf(rounds).day(Start.date());
        EXPECT_EQ(span.kind, kind) << name;
        EXPECT_DOUBLE_EQ(span.digits, digits) << name;
    }
}

TEST(SpanEstimator, CountsEachRoundOnItsLocalDayAndWeek)
{
    // A week ago, a sitting at 20:00 and one across Tokyo's midnight, whose counted reversals
    // all fall on the next day; then one today.
    const auto estimator = estimatorOf(sitting("+++++-+-+-+", -7 * DayMs) +
                                       sitting("+++-+-+-+", 238 * MinuteMs + 40'000 - 7 * DayMs) +
                                       sitting("+++-+-+-+"));
    EXPECT_EQ(estimator.day(Start.date().addDays(-7)).digits, 6.5);
    EXPECT_EQ(estimator.week(Start.date()), (SpanEstimate{Digits, 4.5, std::sqrt(1.0 / 28), 8}));
    // A zone that cannot be found counts UTC's days.
    EXPECT_EQ(estimatorOf(sitting("+++-+-+-+"), QTimeZone("No/Zone")).day(Start.date()).digits,
              4.5);
}

} // namespace
} // namespace pabrel::testing

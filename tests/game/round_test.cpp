// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_fixture.h"

#include <functional>

namespace pabrel::testing {
namespace {

class Round : public GameFixture
{
protected:
    Round() : GameFixture({3, 1, 4, 1, 5, 9, 2, 6, 5}) {}

    std::vector<std::string> maskedBoxes(int level) const
    {
        std::vector<std::string> boxes;
        for (int i = 0; i < DigitBoxCount; ++i) {
            boxes.push_back(i <= level ? " " : "*");
        }
        return boxes;
    }

    std::vector<std::string> shownBoxes() const { return {view.boxes.begin(), view.boxes.end()}; }
};

TEST_F(Round, FollowsTheTimelineAtEveryDisplayTime)
{
    const struct
    {
        int level;
        long maskedAt;
    } rounds[] = {{1, 3600}, {3, 3300}, {8, 3300}};
    for (const auto& [level, maskedAt] : rounds) {
        reachLevel(level);
        const long t0 = view.now();
        const std::size_t first = view.calls.size();
        const int reseeds = random.reseeds;
        game.cmdStart_Click();
        EXPECT_EQ(shownBoxes(), maskedBoxes(level));
        EXPECT_EQ(view.picture, "level " + std::to_string(level));

        view.advance(maskedAt - 1);
        EXPECT_EQ(view.timeOf("status 3", t0), t0);
        EXPECT_EQ(view.timeOf("status 2", t0), t0 + 1000);
        EXPECT_EQ(view.timeOf("status 1", t0), t0 + 2000);
        EXPECT_EQ(view.timeOf("status GO", t0), t0 + 3000);
        EXPECT_EQ(view.timeOf("box " + std::to_string(level) + " '" +
                                  numberText(game.state().question[level]) + "'",
                              t0 + 3000),
                  t0 + 3000);
        EXPECT_EQ(random.reseeds, reseeds + 1);
        EXPECT_FALSE(view.capture);
        for (int i = 0; i <= level; ++i) {
            EXPECT_EQ(view.boxes[i], numberText(game.state().question[i]));
        }
        for (int i = level + 1; i < DigitBoxCount; ++i) {
            EXPECT_EQ(view.boxes[i], "*");
        }

        view.advance(1);
        EXPECT_EQ(shownBoxes(), maskedBoxes(level));
        EXPECT_TRUE(view.capture);
        EXPECT_FALSE(view.anyTimerRunning());
        EXPECT_EQ(view.timeOf("capture on", t0), t0 + maskedAt);
        // The "0" is replaced within the same tick, so it is never on show.
        const auto calls = view.callsSince(first);
        const auto zero = std::find(calls.begin(), calls.end(), "status 0");
        ASSERT_NE(zero, calls.end());
        EXPECT_EQ(*(zero + 1), "status GO");

        view.type(rightAnswer());
        view.advance(1500);
    }
}

TEST_F(Round, QuestionDigitsComeFromTheRandomSourceInOrder)
{
    reachLevel(8);
    random = ScriptedRandom({0.0, 0.5 / 9, 1.5 / 9, 0.5, 0.7, 8.5 / 9 + 1e-9, 0.99, 0.2, 0.3});
    playToAnswering();
    const std::vector<int> expected = {0, 0, 2, 4, 6, 9, 9, 2, 3};
    for (int i = 0; i < DigitBoxCount; ++i) {
        EXPECT_EQ(game.state().question[i], expected[static_cast<std::size_t>(i)]) << i;
    }
}

TEST_F(Round, StartDuringTheCountdownMasksAgainAndTheCountGoesOn)
{
    game.cmdStart_Click();
    view.advance(1500);
    view.boxes.fill("x");
    const std::size_t first = view.calls.size();
    game.cmdStart_Click();
    EXPECT_EQ(shownBoxes(), maskedBoxes(1));
    EXPECT_EQ(view.status, "2");
    EXPECT_EQ(view.callsSince(first).back(), "picture level 1");
    view.advance(1500);
    EXPECT_EQ(view.timeOf("status 1"), 2000);
    EXPECT_EQ(view.timeOf("status GO"), 3000);
}

TEST_F(Round, GivingUpWhileTheDigitsShowLeavesThemOnShow)
{
    game.cmdStart_Click();
    view.advance(3100);
    const auto digits = shownBoxes();
    game.cmdStart_Click();
    EXPECT_EQ(view.status, "残念！");
    EXPECT_EQ(view.beeps, 1);
    EXPECT_FALSE(view.capture);
    EXPECT_FALSE(view.isRunning(Timer::tmrCount));
    EXPECT_FALSE(view.isRunning(Timer::tmrQuestion));
    const std::size_t first = view.calls.size();
    view.advance(10'000);
    const std::vector<std::string> afterwards = {"timer tmrSeikai off", "status " + LevelText + "1",
                                                 "interval tmrQuestion 600"};
    EXPECT_EQ(view.callsSince(first), afterwards);
    EXPECT_EQ(shownBoxes(), digits);
}

TEST_F(Round, GivingUpWhileAnsweringKeepsTheKeysTypedAndIgnoresLaterOnes)
{
    reachLevel(3);
    playToAnswering();
    view.type(U"31");
    game.cmdStart_Click();
    EXPECT_EQ(view.status, "残念！");
    EXPECT_EQ(game.state().level, 2);
    EXPECT_FALSE(view.capture);
    view.type(U"41");
    EXPECT_EQ(game.state().inputPos, 2);
    EXPECT_EQ(view.boxes[0], "3");
    EXPECT_EQ(view.boxes[1], "1");
    EXPECT_EQ(view.boxes[2], " ");
    EXPECT_EQ(view.picture, "level 3");
}

TEST_F(Round, StartDuringThePauseBeginsAtOnceAndTheLevelTextStillComes)
{
    playToAnswering();
    view.type(rightAnswer());
    const long judged = view.now();
    view.advance(700);
    game.cmdStart_Click();
    EXPECT_EQ(view.status, "3");
    EXPECT_EQ(view.picture, "level 2");
    view.advance(800);
    EXPECT_EQ(view.status, LevelText + "2");
    EXPECT_EQ(view.timeOf("status " + LevelText + "2", judged), judged + 1500);
    EXPECT_FALSE(view.isRunning(Timer::tmrSeikai));
    view.advance(200);
    EXPECT_EQ(view.status, "2");
}

// A round is in play from its start to the end of the pause after its result, through a
// give-up and through a new start during that pause.
TEST_F(Round, IsInPlayFromItsStartToTheEndOfThePauseAfterItsResult)
{
    EXPECT_FALSE(game.roundInPlay());
    const struct
    {
        const char* step;
        std::function<void()> act;
        bool inPlay;
    } steps[] = {
        {"countdown", [&] { game.cmdStart_Click(); }, true},
        {"answering", [&] { view.advance(3600); }, true},
        {"result", [&] { view.type(rightAnswer()); }, true},
        {"next level", [&] { view.advance(1500); }, false},
        {"given up", [&] { playToAnswering(), game.cmdStart_Click(); }, true},
        {"started in the pause", [&] { view.advance(1000), game.cmdStart_Click(); }, true},
        {"pause over, new round counting", [&] { view.advance(500); }, true},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(game.roundInPlay(), step.inPlay) << step.step;
    }
}

} // namespace
} // namespace pabrel::testing

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_fixture.h"

namespace pabrel::testing {
namespace {

class Startup : public GameFixture
{
};

TEST_F(Startup, ShowsRulesThenStopsTimersThenShowsLevelOne)
{
    const std::vector<std::string> expected = {
        "picture rules",
        "timer tmrCount off",
        "timer tmrQuestion off",
        "timer tmrSeikai off",
        "interval tmrQuestion 600",
        "status " + LevelText + "1",
        "interval tmrQuestion 600",
    };
    EXPECT_EQ(view.callsSince(0), expected);
    EXPECT_EQ(view.status, "ﾚﾍﾞﾙ 1");
    EXPECT_FALSE(view.anyTimerRunning());
    EXPECT_FALSE(view.capture);
    EXPECT_EQ(game.state().countdown, 3);
    EXPECT_EQ(game.state().inputPos, 0);
    EXPECT_FALSE(game.state().isCorrect);
}

TEST_F(Startup, NothingHappensUntilThePlayerActs)
{
    const std::size_t before = view.calls.size();
    view.type(U'7');
    view.advance(60'000);
    EXPECT_EQ(view.calls.size(), before);
    EXPECT_EQ(game.state().answer[0], 0);
}

TEST_F(Startup, LevelDisplayTimeIsSetWithTheLevelText)
{
    const struct
    {
        int level;
        int displayMs;
    } levels[] = {{1, 600}, {2, 600}, {3, 300}, {8, 300}};
    for (const auto& [level, displayMs] : levels) {
        reachLevel(level);
        EXPECT_EQ(view.status, LevelText + std::to_string(level));
        EXPECT_EQ(view.interval(Timer::tmrQuestion), displayMs) << "level " << level;
    }
}

TEST_F(Startup, DisplayTimeGrowsAgainWhenTheLevelFallsBelowThree)
{
    reachLevel(3);
    playToAnswering();
    view.type(U"xxxx");
    view.advance(1500);
    EXPECT_EQ(view.status, LevelText + "2");
    EXPECT_EQ(view.interval(Timer::tmrQuestion), 600);
}

} // namespace
} // namespace pabrel::testing

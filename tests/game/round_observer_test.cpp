// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_fixture.h"

namespace pabrel::testing {
namespace {

// Keeps what the game reports, each milestone with the virtual time it came at.
struct ObserverLog : RoundObserver
{
    explicit ObserverLog(const FakeView& clock) : view(clock) {}
    void questionShown() override { events.push_back("shown@" + std::to_string(view.now())); }
    void questionMasked() override { events.push_back("masked@" + std::to_string(view.now())); }
    void roundJudged(const JudgedRound& round) override { judged.push_back(round); }

    const FakeView& view;
    std::vector<std::string> events;
    std::vector<JudgedRound> judged;
};

class Reporting : public GameFixture
{
protected:
    Reporting() { game.setRoundObserver(&log); }

    ObserverLog log{view};
};

TEST_F(Reporting, JudgesEachKindOfEndingOnce)
{
    // Each round types `keys` after the mask, then gives up if `givesUp`.
    const struct
    {
        const char* ending;
        int level;
        std::u32string keys;
        bool givesUp;
        std::string shown;
        RoundOutcome outcome;
        int displayMs;
    } cases[] = {
        {"right answer", 1, U"77", false, "77", RoundOutcome::Correct, 600},
        {"wrong answer with a letter", 2, U"7x7", false, "777", RoundOutcome::Wrong, 600},
        {"give-up while typing", 3, U"7", true, "7777", RoundOutcome::GaveUp, 300},
        {"give-up before any key", 3, U"", true, "7777", RoundOutcome::GaveUp, 300},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ending);
        reachLevel(c.level);
        log.judged.clear();
        log.events.clear();
        const long t0 = view.now();
        playToAnswering();
        view.type(c.keys);
        if (c.givesUp) {
            game.cmdStart_Click();
        }
        ASSERT_EQ(log.judged.size(), 1u);
        const JudgedRound& round = log.judged.front();
        EXPECT_EQ(round.level, c.level);
        EXPECT_EQ(round.shown, c.shown);
        EXPECT_EQ(round.outcome, c.outcome);
        EXPECT_EQ(round.displayMs, c.displayMs);
        EXPECT_TRUE(round.masked);
        EXPECT_EQ(log.events,
                  (std::vector<std::string>{"shown@" + std::to_string(t0 + 3000),
                                            "masked@" + std::to_string(t0 + 3000 + c.displayMs)}));
        view.advance(1500);
    }
}

TEST_F(Reporting, GiveUpWhileShownIsUnmaskedAndQuittingIsNoResult)
{
    game.cmdStart_Click();
    view.advance(3100);
    game.cmdStart_Click();
    ASSERT_EQ(log.judged.size(), 1u);
    EXPECT_EQ(log.judged[0].outcome, RoundOutcome::GaveUp);
    EXPECT_FALSE(log.judged[0].masked);
    EXPECT_EQ(log.events.size(), 1u);

    view.advance(1500);
    playToAnswering();
    view.type(U"7");
    game.cmdEnd_Click();
    EXPECT_EQ(log.judged.size(), 1u);
}

} // namespace
} // namespace pabrel::testing

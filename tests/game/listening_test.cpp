// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The listening mode: the question is read aloud instead of flashed, and the answer is
// due once the reading has ended.

#include "game_fixture.h"

namespace pabrel::testing {
namespace {

class ListeningTest : public GameFixture
{
protected:
    ListeningTest() : GameFixture({3, 8}) { game.setListening(true); }

    bool masked() const
    {
        for (int i = 0; i < DigitBoxCount; ++i) {
            if (view.boxes[static_cast<std::size_t>(i)] != (i <= game.state().level ? " " : "*")) {
                return false;
            }
        }
        return true;
    }
};

TEST_F(ListeningTest, readsTheQuestionWithTheBoxesMaskedAndTakesTheAnswerAfterwards)
{
    game.cmdStart_Click();
    view.advance(3000);
    const std::vector<std::string> calls = view.callsSince(view.calls.size() - 3);
    EXPECT_EQ(calls, (std::vector<std::string>{"status GO", "timer tmrCount off", "speak 38"}));
    EXPECT_TRUE(masked());

    // However long the reading takes, nothing runs out meanwhile.
    const std::size_t reading = view.calls.size();
    view.advance(60000);
    EXPECT_EQ(view.calls.size(), reading);
    EXPECT_FALSE(view.capture);

    game.speech_Done(SpeechOutcome::Spoken);
    EXPECT_TRUE(masked());
    EXPECT_EQ(view.calls.back().what, "capture on");
    view.type(U"38");
    EXPECT_EQ(view.status, "正解！");
}

TEST_F(ListeningTest, givingUpOrQuittingStopsTheReadingFirstAndItsLateEndIsIgnored)
{
    const std::pair<void (Game::*)(), std::string> cases[] = {
        {&Game::cmdStart_Click, "status 残念！"},
        {&Game::cmdEnd_Click, "message またの挑戦ををお待ちしております。"}};
    for (const auto& [click, next] : cases) {
        SCOPED_TRACE(next);
        FakeView fresh;
        ScriptedRandom digits = ScriptedRandom::forDigits({3, 8});
        Game round{fresh, digits};
        fresh.attach(round);
        round.Form_Load();
        round.setListening(true);
        round.cmdStart_Click();
        fresh.advance(3000);

        const std::size_t before = fresh.calls.size();
        (round.*click)();
        const std::vector<std::string> after = fresh.callsSince(before);
        ASSERT_GE(after.size(), 2U);
        EXPECT_EQ(after[0], "stop speaking");
        EXPECT_EQ(after[1], next);

        const std::size_t stopped = fresh.calls.size();
        round.speech_Done(SpeechOutcome::Spoken);
        EXPECT_EQ(fresh.calls.size(), stopped);
    }
}

TEST_F(ListeningTest, aQuestionThatCannotBeReadIsFlashedInstead)
{
    game.cmdStart_Click();
    view.advance(3000);
    game.speech_Done(SpeechOutcome::Failed);
    EXPECT_EQ(view.boxes[0] + view.boxes[1], "38");
    EXPECT_FALSE(view.capture);
    view.advance(view.interval(Timer::tmrQuestion));
    EXPECT_TRUE(masked());
    EXPECT_TRUE(view.capture);
}

TEST_F(ListeningTest, theModeAppliesFromTheNextQuestion)
{
    game.setListening(false);
    game.cmdStart_Click();
    view.advance(1000);
    game.setListening(true);
    view.advance(2000);
    EXPECT_EQ(view.speaking, "38");
    EXPECT_TRUE(masked());
}

} // namespace
} // namespace pabrel::testing

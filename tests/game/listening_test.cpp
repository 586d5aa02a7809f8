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

    // Starts a round and runs the countdown to "GO"; returns the index of the first call
    // after it.
    std::size_t countDownToGo()
    {
        game.cmdStart_Click();
        view.advance(3000);
        const auto go = std::find_if(view.calls.begin(), view.calls.end(),
                                     [](const FakeView::Call& c) { return c.what == "status GO"; });
        return static_cast<std::size_t>(go - view.calls.begin()) + 1;
    }

    bool boxesMasked() const
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
    const std::size_t afterGo = countDownToGo();
    EXPECT_EQ(view.callsSince(afterGo),
              (std::vector<std::string>{"timer tmrCount off", "speak 38"}));
    EXPECT_TRUE(boxesMasked());
    EXPECT_FALSE(view.capture);

    // However long the reading takes, nothing runs out meanwhile.
    const std::size_t reading = view.calls.size();
    view.advance(60000);
    EXPECT_EQ(view.calls.size(), reading);
    EXPECT_EQ(view.status, "GO");

    game.speech_Done(SpeechOutcome::Spoken);
    EXPECT_TRUE(boxesMasked());
    EXPECT_EQ(view.calls.back().what, "capture on");

    view.type(U"38");
    EXPECT_EQ(view.status, "正解！");
    EXPECT_EQ(game.state().level, 2);
    view.advance(1500);
    EXPECT_EQ(view.status, LevelText + "2");
}

TEST_F(ListeningTest, givingUpOrQuittingStopsTheReadingFirstAndItsLateEndIsIgnored)
{
    struct Case
    {
        const char* name;
        void (Game::*click)();
        std::string afterStop;
    };
    const Case cases[] = {
        {"give up", &Game::cmdStart_Click, "status 残念！"},
        {"quit", &Game::cmdEnd_Click, "message またの挑戦ををお待ちしております。"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeView fresh;
        ScriptedRandom digits = ScriptedRandom::forDigits({3, 8});
        Game round{fresh, digits};
        fresh.attach(round);
        round.Form_Load();
        round.setListening(true);
        round.cmdStart_Click();
        fresh.advance(3000);
        ASSERT_EQ(fresh.speaking, "38");

        const std::size_t before = fresh.calls.size();
        (round.*c.click)();
        const std::vector<std::string> after = fresh.callsSince(before);
        ASSERT_GE(after.size(), 2U);
        EXPECT_EQ(after[0], "stop speaking");
        EXPECT_EQ(after[1], c.afterStop);

        const std::size_t stopped = fresh.calls.size();
        round.speech_Done(SpeechOutcome::Spoken);
        EXPECT_EQ(fresh.calls.size(), stopped);
        EXPECT_FALSE(fresh.capture);
    }
}

TEST_F(ListeningTest, aQuestionThatCannotBeReadIsFlashedInstead)
{
    countDownToGo();
    game.speech_Done(SpeechOutcome::Failed);
    EXPECT_EQ(view.boxes[0], "3");
    EXPECT_EQ(view.boxes[1], "8");
    EXPECT_TRUE(view.isRunning(Timer::tmrQuestion));
    EXPECT_FALSE(view.capture);

    view.advance(view.interval(Timer::tmrQuestion));
    EXPECT_TRUE(boxesMasked());
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
    EXPECT_EQ(view.boxes[0], " ");

    game.speech_Done(SpeechOutcome::Spoken);
    view.type(U"38");
    game.setListening(false);
    view.advance(1500);
    game.cmdStart_Click();
    view.advance(3000);
    EXPECT_EQ(view.boxes[0], "3");
    EXPECT_TRUE(view.isRunning(Timer::tmrQuestion));
}

} // namespace
} // namespace pabrel::testing

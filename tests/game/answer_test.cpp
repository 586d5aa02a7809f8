// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_fixture.h"

namespace pabrel::testing {
namespace {

class Answer : public GameFixture
{
protected:
    Answer() : GameFixture({7, 3}) {}
};

TEST_F(Answer, RightAnswerAtLevelOneRaisesTheLevelAfterAPause)
{
    playToAnswering();
    view.type(U'7');
    const std::size_t first = view.calls.size();
    view.type(U'3');
    const std::vector<std::string> judged = {"box 1 '3'", "status 正解！", "beep",
                                             "timer tmrSeikai on", "capture off"};
    EXPECT_EQ(view.callsSince(first), judged);
    EXPECT_EQ(view.boxes[0], "7");
    EXPECT_EQ(game.state().level, 2);
    EXPECT_EQ(game.state().countdown, 3);
    EXPECT_TRUE(game.state().isCorrect);

    const long judgedAt = view.now();
    view.advance(1499);
    EXPECT_EQ(view.status, "正解！");
    view.advance(1);
    EXPECT_EQ(view.status, "ﾚﾍﾞﾙ 2");
    EXPECT_EQ(view.timeOf("status " + LevelText + "2"), judgedAt + 1500);
    EXPECT_FALSE(view.anyTimerRunning());
}

TEST_F(Answer, EveryPositionCounts)
{
    const std::u32string wrongAnswers[] = {U"74", U"37", U"70", U"13"};
    for (const auto& keys : wrongAnswers) {
        playToAnswering();
        view.type(keys);
        EXPECT_EQ(view.status, "残念！");
        EXPECT_FALSE(game.state().isCorrect);
        view.advance(1500);
        EXPECT_EQ(view.status, LevelText + "1");
    }
    EXPECT_EQ(view.beeps, 4);
}

TEST_F(Answer, OneKeyIsNotJudged)
{
    playToAnswering();
    view.type(U'7');
    view.advance(60'000);
    EXPECT_EQ(view.status, "GO");
    EXPECT_TRUE(view.capture);
    EXPECT_EQ(view.beeps, 0);
    EXPECT_EQ(game.state().level, 1);
}

TEST_F(Answer, LevelStaysWithinOneToEight)
{
    playToAnswering();
    view.type(U"00");
    EXPECT_EQ(view.status, "残念！");
    EXPECT_EQ(game.state().level, 1);
    view.advance(1500);

    reachLevel(8);
    playToAnswering();
    view.type(rightAnswer());
    EXPECT_EQ(view.status, "正解！");
    EXPECT_EQ(game.state().level, 8);
    view.advance(1500);
    EXPECT_EQ(view.status, LevelText + "8");

    playToAnswering();
    std::u32string wrong = rightAnswer();
    wrong.back() = U'x';
    view.type(wrong);
    EXPECT_EQ(game.state().level, 7);
    view.advance(1500);
    EXPECT_EQ(view.status, LevelText + "7");
}

TEST_F(Answer, NonDigitKeysShowTheirCodeMinusFortyEight)
{
    reachLevel(3);
    playToAnswering();
    view.type(U"a\b ");
    EXPECT_EQ(view.boxes[0], "49");
    EXPECT_EQ(view.boxes[1], "-40");
    EXPECT_EQ(view.boxes[2], "-16");
    EXPECT_EQ(game.state().answer[1], -40);
    view.type(U'\r');
    EXPECT_EQ(view.boxes[3], "-35");
    EXPECT_EQ(view.status, "残念！");
}

TEST_F(Answer, KeysOutsideTheAnswerPhaseChangeNothing)
{
    game.cmdStart_Click();
    view.type(U'7');
    view.advance(3100);
    view.type(U'7');
    EXPECT_EQ(game.state().inputPos, 0);
    EXPECT_EQ(game.state().answer[0], 0);
}

class Quitting : public GameFixture
{
};

TEST_F(Quitting, SaysGoodbyeThenClosesInAnyPhase)
{
    const long moments[] = {0, 500, 3000, 3100, 3600, 3700, 5000};
    for (const long moment : moments) {
        FakeView window;
        ScriptedRandom digits;
        Game quitter(window, digits);
        window.attach(quitter);
        quitter.Form_Load();
        quitter.cmdStart_Click();
        window.advance(moment);
        window.type(U"00");
        const std::size_t first = window.calls.size();
        quitter.cmdEnd_Click();
        const std::vector<std::string> expected = {"message またの挑戦ををお待ちしております。",
                                                   "close"};
        EXPECT_EQ(window.callsSince(first), expected) << "at " << moment << " ms";
        window.advance(10'000);
        EXPECT_EQ(window.calls.size(), first + 2);
    }
}

} // namespace
} // namespace pabrel::testing

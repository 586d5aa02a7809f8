// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_fixture.h"

#include <random>

namespace pabrel::testing {
namespace {

// Plays long random sequences of everything the window can deliver, the way it delivers
// them: clicks at any moment, time passing in steps that do and do not land on ticks, and
// keys of every kind (delivered only while captured).
class EventSequence
{
public:
    explicit EventSequence(unsigned seed) : dice_(seed), random_(seed)
    {
        view_.attach(game_);
        game_.Form_Load();
    }

    void run(int steps)
    {
        for (int step = 0; step < steps && !view_.closed && !::testing::Test::HasFatalFailure();
             ++step) {
            playOneEvent();
            checkInvariants();
        }
    }

    int judged() const { return view_.beeps; }

private:
    void playOneEvent()
    {
        const std::size_t first = view_.calls.size();
        const std::size_t roll = pick(100);
        if (roll < 8) {
            game_.cmdStart_Click();
        } else if (roll < 9 && pick(50) == 0) {
            game_.cmdEnd_Click();
        } else if (roll < 55) {
            view_.type(randomCharacter());
        } else {
            const long steps[] = {1, 99, 299, 300, 301, 599, 600, 1000, 1500, 3000};
            view_.advance(steps[pick(std::size(steps))]);
        }
        for (const std::string& call : view_.callsSince(first)) {
            if (call == "status GO") {
                digitsVisible_ = true;
            } else if (call == "box 0 ' '") {
                digitsVisible_ = false;
            }
        }
    }

    char32_t randomCharacter()
    {
        switch (pick(5)) {
        case 0:
        case 1:
            return static_cast<char32_t>(U'0' + pick(10));
        case 2:
            return static_cast<char32_t>(pick(128));
        case 3:
            return static_cast<char32_t>(0x8000 + pick(0x40));
        default:
            return static_cast<char32_t>(pick(0x110000));
        }
    }

    void checkInvariants()
    {
        if (view_.closed) {
            return;
        }
        const GameState& state = game_.state();
        ASSERT_GE(state.level, MinLevel);
        ASSERT_LE(state.level, MaxLevel);
        // A wrong answer lowers the level after level + 1 keys, so between rounds inputPos may
        // exceed the new level + 1; while keys are taken, the next one always has its box.
        ASSERT_GE(state.inputPos, 0);
        ASSERT_LE(state.inputPos, DigitBoxCount);
        if (view_.capture) {
            ASSERT_LE(state.inputPos, state.level);
        }
        const bool answering = state.countdown == 0 && !view_.isRunning(Timer::tmrQuestion) &&
                               !view_.isRunning(Timer::tmrCount);
        ASSERT_EQ(view_.capture, answering);
        ASSERT_FALSE(view_.capture && digitsVisible_);
    }

    std::size_t pick(std::size_t count)
    {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(dice_);
    }

    std::mt19937 dice_;
    FakeView view_;
    SeededRandom random_;
    Game game_{view_, random_};
    bool digitsVisible_ = false;
};

TEST(EventSequences, NeverFailACheckAndKeepTheGameConsistent)
{
    int judged = 0;
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        EventSequence sequence(seed);
        sequence.run(400);
        judged += sequence.judged();
        if (::testing::Test::HasFatalFailure()) {
            FAIL() << "seed " << seed;
        }
    }
    // The sequences do reach the judgement, not just the countdown.
    EXPECT_GT(judged, 3000);
}

} // namespace
} // namespace pabrel::testing

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fake_view.h"
#include "game.h"
#include "numbers.h"
#include "scripted_random.h"

#include <gtest/gtest.h>
#include <string>

namespace pabrel::testing {

// A loaded game on a fake window whose questions are made of the digits given (repeated).
class GameFixture : public ::testing::Test
{
protected:
    explicit GameFixture(const std::vector<int>& digits = {7})
        : random(ScriptedRandom::forDigits(digits))
    {
        view.attach(game);
        game.Form_Load();
    }

    // Clicks start and lets the countdown and the question run until the answer is due.
    void playToAnswering()
    {
        game.cmdStart_Click();
        view.advance(3000 + view.interval(Timer::tmrQuestion));
    }

    // The digits of the current question, as the keys that answer it.
    std::u32string rightAnswer() const
    {
        std::u32string keys;
        for (int i = 0; i <= game.state().level; ++i) {
            keys += static_cast<char32_t>(U'0' + game.state().question[i]);
        }
        return keys;
    }

    // Wins rounds (each followed by its 1.5 s pause) until the game is at `level`.
    void reachLevel(int level)
    {
        while (game.state().level < level) {
            playToAnswering();
            view.type(rightAnswer());
            view.advance(1500);
        }
    }

    FakeView view;
    ScriptedRandom random;
    Game game{view, random};
};

inline const std::string LevelText = "ﾚﾍﾞﾙ ";

} // namespace pabrel::testing

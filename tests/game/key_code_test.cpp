// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_fixture.h"
#include "key_code.h"

namespace pabrel::testing {
namespace {

TEST(KeyCode, IsTheSignedUtf16Unit)
{
    EXPECT_EQ(KeyCode::forCharacter(U'0').value(), 48);
    EXPECT_EQ(KeyCode::forCharacter(U'a').value(), 97);
    EXPECT_EQ(KeyCode::forCharacter(U'\b').value(), 8);
    EXPECT_EQ(KeyCode::forCharacter(U'\u7FFF').value(), 32767);
    EXPECT_EQ(KeyCode::forCharacter(U'\uFF17').value(), -233);
    EXPECT_EQ(KeyCode::forCharacter(U'\uFFFF').value(), -1);
    EXPECT_EQ(KeyCode::forCharacter(U'\u8030').value(), -32720);
}

TEST(KeyCode, CharactersWithoutAUsableCodeBecomeTheReplacementCharacter)
{
    for (const char32_t character :
         {U'\u8000', U'\u8017', U'\u802F', U'\U0001F600', U'\U00020B9F', char32_t{0x110000}}) {
        EXPECT_EQ(KeyCode::forCharacter(character).value(), -3)
            << std::hex << static_cast<unsigned>(character);
    }
}

// Any character typed during an answer is taken as one key, never ends the game, and
// makes the answer wrong unless it is a digit of the question.
class UnusualKeys : public GameFixture
{
};

TEST_F(UnusualKeys, AreTakenAsWrongKeys)
{
    const struct
    {
        char32_t character;
        std::string shown;
    } keys[] = {
        {U'\u8000', "-51"}, {U'\uFFFF', "-49"}, {U'\uFF17', "-281"}, {U'\U0001F600', "-51"}};
    for (const auto& key : keys) {
        playToAnswering();
        view.type(key.character);
        EXPECT_EQ(view.boxes[0], key.shown);
        EXPECT_EQ(game.state().inputPos, 1);
        view.type(U'7');
        EXPECT_EQ(view.status, "残念！");
        view.advance(1500);
    }
}

} // namespace
} // namespace pabrel::testing

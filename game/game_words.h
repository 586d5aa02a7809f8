// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "recall_order.h"

#include <array>
#include <cstddef>
#include <string_view>

// Marks one of the game's words for translation, in `context`. The program keeps only the
// word; the translators' tool (lupdate, told that this is QT_TRANSLATE_NOOP) reads both.
#define PABREL_WORD(context, word) word

// What the game writes in its window, in the game's own language (UTF-8); the window gives
// each word in the player's language, looking it up by the word itself in Context.
namespace pabrel::words {

inline constexpr char Context[] = "pabrel::words";

//: The status between rounds; %1 is the level's number.
inline constexpr std::string_view Level = PABREL_WORD("pabrel::words", "ﾚﾍﾞﾙ %1");
// The status is this and the level's number: "ﾚﾍﾞﾙ 3".
inline constexpr std::string_view LevelPrefix = Level.substr(0, Level.size() - 2);
static_assert(Level.ends_with("%1"));

// The same in every language, as the count before it is.
inline constexpr std::string_view Go = "GO";
inline constexpr std::string_view Correct = PABREL_WORD("pabrel::words", "正解！");
inline constexpr std::string_view Wrong = PABREL_WORD("pabrel::words", "残念！");
// The doubled を is the farewell's own wording, kept as it has always read; not a slip.
inline constexpr std::string_view Farewell =
    PABREL_WORD("pabrel::words", "またの挑戦ををお待ちしております。");

//: The choice of answer order, as the menu and the records name it.
inline constexpr std::string_view AnswerOrder = PABREL_WORD("pabrel::words", "答え方");
//: The answer orders, as the menu, the title and the records name them.
inline constexpr std::array<std::string_view, RecallOrderCount> OrderNames{
    PABREL_WORD("pabrel::words", "そのまま"),
    PABREL_WORD("pabrel::words", "逆から"),
    PABREL_WORD("pabrel::words", "小さい順"),
};

constexpr std::string_view orderName(RecallOrder order)
{
    return OrderNames.at(static_cast<std::size_t>(order));
}

} // namespace pabrel::words

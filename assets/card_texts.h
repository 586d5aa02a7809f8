// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "languages.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

// What the built-in cards say, line by line as they are lettered. The picture generator
// letters these lines, and the window gives them to screen readers, so that a player who
// cannot see the card hears what it says. Japanese is the source; the English cards say the
// same things in their own words, with as many lines as the Japanese card.
namespace pabrel::card_texts {

// One language's cards: the rules card, and the cards of levels 1 to 8 in that order.
struct CardSet
{
    std::span<const std::string_view> rules;
    std::array<std::span<const std::string_view>, 8> levels;
};

inline constexpr std::string_view rules[] = {
    "ルール説明",
    "一瞬だけ出る数字を覚えて入力してください。",
    "レベルが上がるごとに難しくなります。",
    "正解するとレベルが上がり、",
    "間違えるとレベルが下がります。",
    "レベルごとにコメントがあります。",
};

inline constexpr std::string_view level1[] = {"これを間違えるようでは、",
                                              "目覚ましで起きたての寝ぼけまなこだね。"};
inline constexpr std::string_view level2[] = {"これを間違えたら、", "テレビ見ながら歯みがき"};
inline constexpr std::string_view level3[] = {"そろそろ本気を出す", "時間だよ！"};
inline constexpr std::string_view level4[] = {"まだまだ序の口だよ！"};
inline constexpr std::string_view level5[] = {"なかなかやるね！"};
inline constexpr std::string_view level6[] = {"これができたなら", "飛ばしてるね！！"};
inline constexpr std::string_view level7[] = {"その動体視力があれば、", "飛んでいるハエだって",
                                              "しゃもじで叩き落とせる！！"};
inline constexpr std::string_view level8[] = {"今のあなたなら", "ハエだって箸でつまめる！"};

// The lines of the card of levels 1 to 8, in that order.
inline constexpr std::array<std::span<const std::string_view>, 8> levels = {
    level1, level2, level3, level4, level5, level6, level7, level8};

namespace en {

inline constexpr std::string_view rules[] = {
    "How to play",
    "Memorise the digits that flash up,",
    "then type them in. Each level is harder.",
    "Get it right and you go up a level;",
    "get it wrong and you go down one.",
    "Every level has a comment of its own.",
};

inline constexpr std::string_view level1[] = {"Get this wrong and you're still",
                                              "bleary-eyed from the alarm clock."};
inline constexpr std::string_view level2[] = {"Get this wrong and you're brushing",
                                              "your teeth with one eye on the TV."};
inline constexpr std::string_view level3[] = {"Now it's time to", "get serious!"};
inline constexpr std::string_view level4[] = {"This is only the warm-up!"};
inline constexpr std::string_view level5[] = {"Not bad at all!"};
inline constexpr std::string_view level6[] = {"If you can do this,", "you're flying!!"};
inline constexpr std::string_view level7[] = {
    "With eyes that quick,", "you could swat a fly mid-air", "with a rice paddle!!"};
inline constexpr std::string_view level8[] = {"Now you could even", "catch a fly with chopsticks!"};

inline constexpr std::array<std::span<const std::string_view>, 8> levels = {
    level1, level2, level3, level4, level5, level6, level7, level8};

} // namespace en

// An English card has as many lines as its Japanese one, so that both read as the same card.
static_assert([] {
    for (std::size_t level = 0; level < levels.size(); ++level) {
        if (en::levels[level].size() != levels[level].size()) {
            return false;
        }
    }
    return std::size(en::rules) == std::size(rules);
}());

// The cards in the given language.
constexpr CardSet cardsIn(Language language)
{
    if (language == Language::English) {
        return {en::rules, en::levels};
    }
    return {rules, levels};
}

// A card's lines as one text, a line break between lines (UTF-8).
inline std::string joined(std::span<const std::string_view> lines)
{
    std::string text;
    for (const std::string_view line : lines) {
        text += text.empty() ? "" : "\n";
        text += line;
    }
    return text;
}

} // namespace pabrel::card_texts

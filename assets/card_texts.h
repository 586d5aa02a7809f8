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

// One language's cards: the rules card, the cards of levels 1 to 8 in that order, and the
// rules cards of the two other answer orders, which take the rules card's place while their
// order is on.
struct CardSet
{
    std::span<const std::string_view> rules;
    std::array<std::span<const std::string_view>, 8> levels;
    std::span<const std::string_view> rulesBackward;
    std::span<const std::string_view> rulesAscending;
};

inline constexpr std::string_view rules[] = {
    "ルール説明",
    "一瞬だけ出る数字を覚えて入力してください。",
    "レベルが上がるごとに難しくなります。",
    "正解するとレベルが上がり、",
    "間違えるとレベルが下がります。",
    "レベルごとにコメントがあります。",
};

// The rules cards of the other answer orders keep the rules card's layout: the title names
// the order, the second block says how to answer in it, and the level lines stay as they are.
inline constexpr std::string_view rulesBackward[] = {
    "ルール説明（逆から）",
    "一瞬だけ出る数字を覚えて、",
    "最後の数字から逆の順に入力してください。",
    rules[3],
    rules[4],
    rules[5],
};

inline constexpr std::string_view rulesAscending[] = {
    "ルール説明（小さい順）",
    "一瞬だけ出る数字を覚えて小さい順に並べ、",
    "同じ数字も出た数だけ入力してください。",
    rules[3],
    rules[4],
    rules[5],
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

inline constexpr std::string_view rulesBackward[] = {
    "How to play (Backwards)",
    "Memorise the digits that flash up, then",
    "type them in backwards, the last one first.",
    rules[3],
    rules[4],
    rules[5],
};

inline constexpr std::string_view rulesAscending[] = {
    "How to play (Smallest First)",
    "Memorise the digits that flash up, then",
    "type them in smallest first, repeats and all.",
    rules[3],
    rules[4],
    rules[5],
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

// An English card has as many lines as its Japanese one, so that both read as the same card,
// and an order's rules card as many as the rules card, whose layout it shares.
static_assert([] {
    for (std::size_t level = 0; level < levels.size(); ++level) {
        if (en::levels[level].size() != levels[level].size()) {
            return false;
        }
    }
    return std::size(en::rules) == std::size(rules) &&
           std::size(en::rulesBackward) == std::size(rules) &&
           std::size(en::rulesAscending) == std::size(rules) &&
           std::size(rulesBackward) == std::size(rules) &&
           std::size(rulesAscending) == std::size(rules);
}());

// The cards in the given language.
constexpr CardSet cardsIn(Language language)
{
    if (language == Language::English) {
        return {en::rules, en::levels, en::rulesBackward, en::rulesAscending};
    }
    return {rules, levels, rulesBackward, rulesAscending};
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

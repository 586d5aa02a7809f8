// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

// What the built-in cards say, line by line as they are lettered. The picture generator
// letters these lines, and the window gives them to screen readers, so that a player who
// cannot see the card hears what it says.
namespace pabrel::card_texts {

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

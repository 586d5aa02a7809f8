// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

// What the game writes in its window, in the game's own language (UTF-8); the window may
// give them in the player's.
namespace pabrel::words {

// The status between rounds is this and the level's number: "ﾚﾍﾞﾙ 3".
inline constexpr std::string_view LevelPrefix = "ﾚﾍﾞﾙ ";
inline constexpr std::string_view Go = "GO";
inline constexpr std::string_view Correct = "正解！";
inline constexpr std::string_view Wrong = "残念！";
inline constexpr std::string_view Farewell = "またの挑戦ををお待ちしております。";

} // namespace pabrel::words

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game_state.h"
#include "level_rules.h"
#include "twip_rect.h"

#include <array>

// Where Form1's controls stand, in twips, as the window is drawn up.
namespace pabrel::ui {

inline constexpr int ClientWidthTwips = 10140;
inline constexpr int ClientHeightTwips = 8010;

inline constexpr std::array<TwipRect, DigitBoxCount> Text1Place{{
    {120, 4320, 1095, 1590},
    {1200, 4320, 1095, 1590},
    {2280, 4320, 1095, 1590},
    {3360, 4320, 1095, 1590},
    {4440, 4320, 1095, 1590},
    {5520, 4320, 1095, 1590},
    {6600, 4320, 1095, 1590},
    {7680, 4320, 1095, 1590},
    {8760, 4320, 1095, 1590},
}};
inline constexpr TwipRect Picture1Place{360, 240, 9255, 3855};
inline constexpr TwipRect Label1Place{2280, 6120, 4815, 1575};
inline constexpr TwipRect cmdStartPlace{7680, 6120, 2175, 735};
inline constexpr TwipRect cmdEndPlace{7680, 6960, 2175, 735};
inline constexpr TwipRect ruruPlace{360, 10200, 9270, 3825};
// ImgLevel(1) to ImgLevel(8).
inline constexpr std::array<TwipRect, MaxLevel> ImgLevelPlace{{
    {600, 9960, 9270, 3825},
    {840, 9720, 9270, 3825},
    {1080, 9480, 9270, 3825},
    {1320, 9240, 9270, 3825},
    {1560, 9000, 9270, 3825},
    {1800, 8760, 9270, 3825},
    {2040, 8520, 9270, 3825},
    {2280, 8280, 9270, 3825},
}};

} // namespace pabrel::ui

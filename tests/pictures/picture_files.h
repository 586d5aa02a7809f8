// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bitmap_info.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

namespace pabrel::testing {

// Where the committed pictures live; the build passes the source tree's assets/ folder.
inline std::filesystem::path assetPath(std::string_view fileName)
{
    return std::filesystem::path(PABREL_ASSETS_DIR) / fileName;
}

// Where each language's cards are: the Japanese ones in assets/, the English ones in en/.
struct CardLanguage
{
    std::string_view name;
    std::string_view folder;
};

inline void PrintTo(const CardLanguage& language, std::ostream* out)
{
    *out << language.name;
}

inline constexpr std::array<CardLanguage, 2> CardLanguages = {{
    {"Japanese", ""},
    {"English", "en/"},
}};

// The rules card of each answer order, in each language's folder: as shown, backwards and
// smallest first.
inline constexpr std::array<std::string_view, 3> RulesCardNames = {
    "rules.bmp", "rules_backward.bmp", "rules_ascending.bmp"};

// A picture's file name as a test's name: en/level1.bmp is en_level1.
inline std::string testNameOf(std::string_view fileName)
{
    std::string name(fileName.substr(0, fileName.find('.')));
    std::replace(name.begin(), name.end(), '/', '_');
    return name;
}

inline constexpr std::uint8_t Black = 0;
inline constexpr std::uint8_t LightGrey = 7;
inline constexpr std::uint8_t Red = 9;
inline constexpr std::uint8_t Yellow = 11;
inline constexpr std::uint8_t Blue = 12;
inline constexpr std::uint8_t Cyan = 14;
inline constexpr std::uint8_t White = 15;

// The standard 16-colour palette as it must be stored: blue, green, red, then a zero byte.
inline constexpr std::array<PaletteEntry, 16> ExpectedPalette = {{
    {0x00, 0x00, 0x00, 0},
    {0x00, 0x00, 0x80, 0},
    {0x00, 0x80, 0x00, 0},
    {0x00, 0x80, 0x80, 0},
    {0x80, 0x00, 0x00, 0},
    {0x80, 0x00, 0x80, 0},
    {0x80, 0x80, 0x00, 0},
    {0xC0, 0xC0, 0xC0, 0},
    {0x80, 0x80, 0x80, 0},
    {0x00, 0x00, 0xFF, 0},
    {0x00, 0xFF, 0x00, 0},
    {0x00, 0xFF, 0xFF, 0},
    {0xFF, 0x00, 0x00, 0},
    {0xFF, 0x00, 0xFF, 0},
    {0xFF, 0xFF, 0x00, 0},
    {0xFF, 0xFF, 0xFF, 0},
}};

} // namespace pabrel::testing

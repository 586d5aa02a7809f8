// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

namespace pabrel {

// The languages the game speaks. Japanese is the source of every text, and the default.
enum class Language
{
    Japanese,
    English,
};

// The language's two-letter code, as the command line, the settings and the translation
// files name it.
constexpr std::string_view codeOf(Language language)
{
    return language == Language::English ? "en" : "ja";
}

constexpr std::optional<Language> languageWithCode(std::string_view code)
{
    for (const Language language : {Language::Japanese, Language::English}) {
        if (code == codeOf(language)) {
            return language;
        }
    }
    return std::nullopt;
}

} // namespace pabrel

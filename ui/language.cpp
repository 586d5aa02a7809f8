// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "language.h"

#include "player_settings.h"

namespace pabrel::ui {

namespace {
const QString SettingKey = QStringLiteral("language");
} // namespace

QString languageCode(Language language)
{
    const std::string_view code = codeOf(language);
    return QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
}

std::optional<Language> languageFromCode(QStringView code)
{
    return languageWithCode(code.toLatin1().toStdString());
}

Language desktopLanguage(const QStringList& uiLanguages)
{
    for (const QString& tag : uiLanguages) {
        if (tag == QLatin1String("C") || tag == QLatin1String("POSIX")) {
            return Language::Japanese;
        }
        // "ja", "ja-JP", "en-Latn-US": the language is the tag's first part.
        if (const auto language = languageFromCode(QStringView(tag).split(u'-').first())) {
            return *language;
        }
    }
    return uiLanguages.isEmpty() ? Language::Japanese : Language::English;
}

std::optional<Language> storedLanguage()
{
    return languageFromCode(playerSettings().value(SettingKey).toString());
}

void storeLanguage(Language language)
{
    playerSettings().setValue(SettingKey, languageCode(language));
}

Language startingLanguage(const QStringList& uiLanguages)
{
    return storedLanguage().value_or(desktopLanguage(uiLanguages));
}

} // namespace pabrel::ui

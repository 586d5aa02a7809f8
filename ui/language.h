// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "languages.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace pabrel::ui {

using pabrel::Language;

// "ja" or "en", as the command line, the settings file and the translation files name them.
QString languageCode(Language language);
std::optional<Language> languageFromCode(QStringView code);

// The language that follows the desktop's preferred languages, given best first as
// QLocale::uiLanguages() gives them: Japanese where Japanese comes before English, English
// for every other language. The C and POSIX locales choose none, and keep Japanese.
Language desktopLanguage(const QStringList& uiLanguages);

// The player's choice, kept beside the listening mode's (~/.config/pabrel/pabrel.conf);
// a value that is not one of the codes counts as no choice.
std::optional<Language> storedLanguage();
void storeLanguage(Language language);

// The stored choice, or else the desktop's language.
Language startingLanguage(const QStringList& uiLanguages);

} // namespace pabrel::ui

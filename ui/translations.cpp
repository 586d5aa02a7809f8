// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace pabrel::ui {

namespace {
// Japanese is the source language: it has no translation file of its own.
constexpr Language SourceLanguage = Language::Japanese;
} // namespace

void Translations::use(Language language)
{
    language_ = language;
    // Numbers written with %L1 group their thousands as the language does.
    QLocale::setDefault(QLocale(languageCode(language)));
    QCoreApplication::removeTranslator(&own_);
    QCoreApplication::removeTranslator(&qt_);
    const QString code = languageCode(language);
    if (own_.load(QStringLiteral(":/i18n/pabrel_") + code)) {
        QCoreApplication::installTranslator(&own_);
    } else if (language != SourceLanguage) {
        qWarning("pabrel: this build has no %s translation", qPrintable(code));
    }
    // Debian's qt6-translations-l10n; without it Qt's buttons stay in English.
    if (qt_.load(QStringLiteral("qtbase_") + code,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt_);
    }
}

} // namespace pabrel::ui

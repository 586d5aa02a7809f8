// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "language.h"

#include <QTranslator>

namespace pabrel::ui {

// The application's translators: the game's own, compiled in from translations/, and Qt's
// for its standard buttons and dialogs, from the system's Qt translations. The program
// makes one set once its application object exists, and passes it to whatever speaks the
// language; they are installed for as long as they live. Installing another language makes
// every window retranslate itself (QEvent::LanguageChange).
class Translations
{
public:
    explicit Translations(Language language) { use(language); }

    Language language() const { return language_; }
    void use(Language language);

private:
    Language language_ = Language::Japanese;
    QTranslator own_;
    QTranslator qt_;
};

} // namespace pabrel::ui

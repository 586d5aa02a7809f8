// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "language.h"

#include <QObject>
#include <QTranslator>

namespace pabrel::ui {

// The application's translators: the game's own, compiled in from translations/, and Qt's
// for its standard buttons and dialogs, from the system's Qt translations. One set belongs
// to the application object; installing a language makes every window retranslate itself
// (QEvent::LanguageChange). Until a language is installed the texts are the Japanese
// sources and Qt's own English.
class Translations : public QObject
{
    Q_OBJECT

public:
    static Translations& ofApplication();

    Language language() const { return language_; }
    void use(Language language);

private:
    using QObject::QObject;

    Language language_ = Language::Japanese;
    QTranslator own_;
    QTranslator qt_;
};

} // namespace pabrel::ui

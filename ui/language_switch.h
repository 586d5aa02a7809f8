// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "language.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

namespace pabrel::ui {

class Translations;

// The player's choice of language, offered as the window's 言語 (Language) submenu: 日本語
// and English, each in its own name, so that a player who cannot read the one on show
// still finds their own. A choice is remembered at once, and installed between rounds: a
// round keeps the language it started in.
class LanguageSwitch : public QObject
{
    Q_OBJECT

public:
    // Whether a round is in play, and a choice must wait for its end.
    using RoundInPlay = std::function<bool()>;

    LanguageSwitch(Translations& translations, RoundInPlay roundInPlay, QWidget* window);
    ~LanguageSwitch() override;

    // What the window's context menu shows, opening the submenu.
    QAction* menuAction() const;
    // A round may have ended: a choice made during it is installed now.
    void roundMayHaveEnded();
    // Titles the submenu, and checks the language in use.
    void retranslate();

private:
    QAction* addLanguage(Language language, const QString& name);
    void choose(Language language);

    Translations& translations_;
    RoundInPlay roundInPlay_;
    // Without a parent, so that it is not one of the window's controls.
    std::unique_ptr<QMenu> menu_;
    QActionGroup* group_;
    QAction* japanese_;
    QAction* english_;
    std::optional<Language> waiting_;
};

} // namespace pabrel::ui

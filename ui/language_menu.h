// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "language.h"

#include <QObject>

#include <memory>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

namespace pabrel::ui {

// The window's 言語 (Language) submenu: 日本語 and English, one of them checked. Each
// language is offered in its own name, so that a player who cannot read the one on show
// still finds their own.
class LanguageMenu : public QObject
{
    Q_OBJECT

public:
    // Offered in `window`'s menu; the window retitles it when its language changes.
    LanguageMenu(Language checked, QWidget* window);
    ~LanguageMenu() override;

    // What the window's context menu shows, opening the submenu.
    QAction* menuAction() const;
    void setChecked(Language language);
    // Titles the submenu in the application's language.
    void retranslate();

signals:
    // The player picked a language from the menu; it is checked at once.
    void chosen(pabrel::ui::Language language);

private:
    QAction* addLanguage(Language language, const QString& name);

    // Without a parent, so that it is not one of the window's controls.
    std::unique_ptr<QMenu> menu_;
    QActionGroup* group_;
    QAction* japanese_;
    QAction* english_;
};

} // namespace pabrel::ui

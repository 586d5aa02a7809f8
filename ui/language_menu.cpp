// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "language_menu.h"

#include <QActionGroup>
#include <QMenu>
#include <QWidget>

namespace pabrel::ui {

LanguageMenu::LanguageMenu(Language checked, QWidget* window)
    : QObject(window), menu_(std::make_unique<QMenu>()), group_(new QActionGroup(menu_.get())),
      japanese_(addLanguage(Language::Japanese, QStringLiteral("日本語"))),
      english_(addLanguage(Language::English, QStringLiteral("English")))
{
    menu_->menuAction()->setObjectName(QStringLiteral("language"));
    setChecked(checked);
    retranslate();
}

LanguageMenu::~LanguageMenu() = default;

QAction* LanguageMenu::menuAction() const
{
    return menu_->menuAction();
}

void LanguageMenu::setChecked(Language language)
{
    (language == Language::English ? english_ : japanese_)->setChecked(true);
}

QAction* LanguageMenu::addLanguage(Language language, const QString& name)
{
    QAction* action = menu_->addAction(name);
    action->setCheckable(true);
    group_->addAction(action);
    connect(action, &QAction::triggered, this, [this, language] { emit chosen(language); });
    return action;
}

void LanguageMenu::retranslate()
{
    menu_->setTitle(tr("言語"));
}

} // namespace pabrel::ui

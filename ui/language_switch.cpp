// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "language_switch.h"

#include "translations.h"

#include <QActionGroup>
#include <QMenu>

#include <utility>

namespace pabrel::ui {

LanguageSwitch::LanguageSwitch(Translations& translations, RoundInPlay roundInPlay, QWidget* window)
    : QObject(window), translations_(translations), roundInPlay_(std::move(roundInPlay)),
      menu_(std::make_unique<QMenu>()), group_(new QActionGroup(menu_.get())),
      japanese_(addLanguage(Language::Japanese, QStringLiteral("日本語"))),
      english_(addLanguage(Language::English, QStringLiteral("English")))
{
    menu_->menuAction()->setObjectName(QStringLiteral("language"));
    retranslate();
}

LanguageSwitch::~LanguageSwitch() = default;

QAction* LanguageSwitch::menuAction() const
{
    return menu_->menuAction();
}

QAction* LanguageSwitch::addLanguage(Language language, const QString& name)
{
    QAction* action = menu_->addAction(name);
    action->setCheckable(true);
    group_->addAction(action);
    connect(action, &QAction::triggered, this, [this, language] { choose(language); });
    return action;
}

void LanguageSwitch::choose(Language language)
{
    storeLanguage(language);
    waiting_ = language;
    roundMayHaveEnded();
}

void LanguageSwitch::roundMayHaveEnded()
{
    if (waiting_ && !roundInPlay_()) {
        translations_.use(*std::exchange(waiting_, std::nullopt));
    }
}

void LanguageSwitch::retranslate()
{
    menu_->setTitle(tr("言語"));
    (translations_.language() == Language::English ? english_ : japanese_)->setChecked(true);
}

} // namespace pabrel::ui

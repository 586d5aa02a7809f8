// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "order_switch.h"

#include "game_words.h"
#include "player_settings.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace pabrel::ui {

namespace {
const QString SettingKey = QStringLiteral("order");

QString codeText(RecallOrder order)
{
    const std::string_view code = codeOf(order);
    return QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
}
} // namespace

OrderSwitch::OrderSwitch(QWidget* window)
    : QObject(window), menu_(std::make_unique<QMenu>()), group_(new QActionGroup(menu_.get())),
      order_(storedOrder().value_or(RecallOrder::Forward))
{
    menu_->menuAction()->setObjectName(QStringLiteral("order"));
    for (const RecallOrder order : RecallOrders) {
        QAction* each = menu_->addAction(QString());
        each->setObjectName(codeText(order));
        each->setCheckable(true);
        group_->addAction(each);
        connect(each, &QAction::triggered, this, [this, order] { choose(order); });
        actions_.at(static_cast<std::size_t>(order)) = each;
    }
    action(order_)->setChecked(true);
    retranslate();
}

OrderSwitch::~OrderSwitch() = default;

QAction* OrderSwitch::menuAction() const
{
    return menu_->menuAction();
}

QAction* OrderSwitch::action(RecallOrder order) const
{
    return actions_.at(static_cast<std::size_t>(order));
}

QString OrderSwitch::nameOf(RecallOrder order)
{
    return QCoreApplication::translate(words::Context, words::orderName(order).data());
}

void OrderSwitch::choose(RecallOrder order)
{
    storeOrder(order);
    order_ = order;
    emit chosen(order);
}

void OrderSwitch::retranslate()
{
    menu_->setTitle(QCoreApplication::translate(words::Context, words::AnswerOrder.data()));
    for (const RecallOrder order : RecallOrders) {
        action(order)->setText(nameOf(order));
    }
}

std::optional<RecallOrder> storedOrder()
{
    return recallOrderWithCode(playerSettings().value(SettingKey).toString().toStdString());
}

void storeOrder(RecallOrder order)
{
    playerSettings().setValue(SettingKey, codeText(order));
}

} // namespace pabrel::ui

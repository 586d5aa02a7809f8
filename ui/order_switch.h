// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "recall_order.h"

#include <QObject>
#include <QString>

#include <array>
#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

namespace pabrel::ui {

// The player's choice of the order in which to answer, offered as the window's 答え方
// (Answer Order) submenu. A choice is remembered at once, beside the language's; the game
// itself holds it back until a round in play is over.
class OrderSwitch : public QObject
{
    Q_OBJECT

public:
    explicit OrderSwitch(QWidget* window);
    ~OrderSwitch() override;

    // What the window's context menu shows, opening the submenu.
    QAction* menuAction() const;
    // The order checked in the submenu: the one last chosen.
    RecallOrder order() const { return order_; }
    // Titles the submenu and names its orders, in the application's language.
    void retranslate();

    // The order's name as the submenu shows it, in the application's language.
    static QString nameOf(RecallOrder order);

signals:
    void chosen(RecallOrder order);

private:
    void choose(RecallOrder order);
    QAction* action(RecallOrder order) const;

    // Without a parent, so that it is not one of the window's controls.
    std::unique_ptr<QMenu> menu_;
    QActionGroup* group_;
    std::array<QAction*, RecallOrderCount> actions_{};
    RecallOrder order_;
};

// The remembered choice; a value that is not an order's code counts as none.
std::optional<RecallOrder> storedOrder();
void storeOrder(RecallOrder order);

} // namespace pabrel::ui

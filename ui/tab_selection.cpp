// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tab_selection.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>

namespace pabrel::ui {

void TabSelection::watch(QLineEdit* box)
{
    box->installEventFilter(this);
}

bool TabSelection::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::FocusIn) {
        return false;
    }
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason) {
        return false;
    }
    auto* box = static_cast<QLineEdit*>(watched);
    QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(box, &plain);
    QMetaObject::invokeMethod(
        box,
        [box] {
            if (box->hasFocus()) {
                box->selectAll();
            }
        },
        Qt::QueuedConnection);
    return true;
}

} // namespace pabrel::ui

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include <QAccessible>
#include <QLabel>
#include <QMetaObject>

namespace pabrel::ui {

Announcer::Announcer(QLabel* status) : QObject(status), status_(status)
{
    for (Announcement*& each : notifications_) {
        each = new Announcement(status);
    }
}

void Announcer::statusChanged()
{
    if (!pending_.empty() && pending_.back().isStatus) {
        return;
    }
    queue({true, QString()});
}

void Announcer::announce(const QString& text)
{
    if (text.isEmpty()) {
        return;
    }
    queue({false, text});
}

void Announcer::queue(Pending pending)
{
    if (pending_.empty()) {
        QMetaObject::invokeMethod(this, &Announcer::sayPending, Qt::QueuedConnection);
    }
    pending_.push_back(std::move(pending));
}

void Announcer::sayPending()
{
    const std::vector<Pending> pending = std::move(pending_);
    pending_.clear();
    // Until the window is on screen there is nobody to tell.
    if (!status_->window()->isVisible()) {
        lastStatus_ = status_->text();
        return;
    }
    for (const Pending& each : pending) {
        if (!each.isStatus) {
            say(each.text);
        } else if (status_->text() != lastStatus_) {
            lastStatus_ = status_->text();
            say(lastStatus_);
        }
    }
}

void Announcer::say(const QString& text)
{
    Announcement* notification = notifications_[next_];
    next_ = (next_ + 1) % notifications_.size();
    notification->setText(text);
    QAccessibleEvent shown(notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace pabrel::ui

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "flash_watch.h"

#include <QEvent>
#include <QWidget>

namespace pabrel::ui {

FlashWatch::FlashWatch(QWidget* firstBox) : QObject(firstBox), box_(firstBox)
{
    clock_.start();
    box_->installEventFilter(this);
}

void FlashWatch::questionShown()
{
    state_ = State::AwaitingDigits;
}

// A mask that comes before the digits were ever painted (a window out of sight) ends the
// question untimed.
void FlashWatch::questionMasked()
{
    state_ = state_ == State::Showing ? State::AwaitingMask : State::Idle;
}

bool FlashWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != box_ || event->type() != QEvent::Paint) {
        return false;
    }
    if (state_ == State::AwaitingDigits) {
        digitsPaintedNs_ = clock_.nsecsElapsed();
        state_ = State::Showing;
        emit digitsPainted();
    } else if (state_ == State::AwaitingMask) {
        state_ = State::Idle;
        emit maskPainted(static_cast<double>(clock_.nsecsElapsed() - digitsPaintedNs_) / 1e6);
    }
    return false;
}

} // namespace pabrel::ui

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deferred_bell.h"

#include <QApplication>

namespace pabrel::ui {

void DeferredBell::ring()
{
    if (bell_ != nullptr) {
        bell_->ring();
    } else {
        QApplication::beep();
    }
}

} // namespace pabrel::ui

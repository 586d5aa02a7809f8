// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deferred_pictures.h"

#include "form1.h"

#include <QEvent>
#include <QTimer>

#include <exception>

namespace pabrel::ui {

DeferredPictures::DeferredPictures(Form1& form, Decoder decode)
    : QObject(&form), form_(form), decode_(std::move(decode))
{
    form_.installEventFilter(this);
}

// The window paints before its controls, all into one frame; decoding waits for the next
// turn of the event loop, once the whole frame is out.
bool DeferredPictures::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &form_ && event->type() == QEvent::Paint) {
        form_.removeEventFilter(this);
        QTimer::singleShot(0, this, &DeferredPictures::decodeAndGive);
    }
    return false;
}

void DeferredPictures::decodeAndGive()
{
    try {
        form_.takeLaterPictures(decode_());
    } catch (const std::exception& error) {
        emit failed(QString::fromStdString(error.what()));
        return;
    }
    emit taken();
}

} // namespace pabrel::ui

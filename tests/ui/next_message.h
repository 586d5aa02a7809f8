// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace pabrel::testing {

// What a message box showed; an empty text until one has opened.
struct SeenMessage
{
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;
    QString ok;
};

// Presses OK on the next message box once it is open, noting what it showed in `seen` and
// first running `whileOpen`.
inline void answerNextMessage(SeenMessage& seen, std::function<void()> whileOpen = {})
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &seen, whileOpen] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            poll->stop();
            QAbstractButton* ok = box->button(QMessageBox::Ok);
            seen = {box->text(), box->windowTitle(), box->icon(), box->buttons().size(),
                    ok->text()};
            if (whileOpen) {
                whileOpen();
            }
            ok->click();
            poll->deleteLater();
        }
    });
    poll->start(20);
}

} // namespace pabrel::testing

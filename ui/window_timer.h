// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace pabrel::ui {

// One of the window's three periodic timers, as the game sees it: a running timer ticks
// every interval until it is switched off. Switching on a timer that already runs leaves
// its period running, and a new interval waits for the next start.
class WindowTimer : public QObject
{
    Q_OBJECT

public:
    virtual void setEnabled(bool enabled) = 0;
    virtual void setIntervalForNextStart(int milliseconds) = 0;
    virtual bool isActive() const = 0;
    // The period of the running timer, or of the next start.
    virtual int interval() const = 0;

signals:
    void timeout();

protected:
    explicit WindowTimer(QObject* parent) : QObject(parent) {}
};

} // namespace pabrel::ui

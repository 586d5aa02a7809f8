// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QObject>

class QWidget;

namespace pabrel::ui {

// Times each flash as the player sees it: from the first paint of the leftmost digit box
// after the question was put in it to the first paint after the mask replaced it. The
// window tells it when each happens; a question given up while on show is never masked by
// its own timer and so is not timed.
class FlashWatch : public QObject
{
    Q_OBJECT

public:
    explicit FlashWatch(QWidget* firstBox);

    // The digits have just been put in the boxes.
    void questionShown();
    // The mask has just replaced the digits, at the end of the display time.
    void questionMasked();
    // Between the mask replacing the digits and its first paint.
    bool awaitingMask() const { return state_ == State::AwaitingMask; }

signals:
    void digitsPainted();
    void maskPainted(double flashMs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class State
    {
        Idle,
        AwaitingDigits,
        Showing,
        AwaitingMask,
    };

    QWidget* box_;
    QElapsedTimer clock_;
    State state_ = State::Idle;
    qint64 digitsPaintedNs_ = 0;
};

} // namespace pabrel::ui

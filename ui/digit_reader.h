// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QTimer>

#include <vector>

namespace pabrel::ui {

class SpeechClient;

// Reads a row of digits aloud at a steady pace, one digit a second as in a spoken
// digit-span test: each digit starts a second after the one before, or once that one has
// been said if the voice is slower. A digit that is not said within a generous time counts
// as a failure, so that a speech service that has gone away cannot hold the round up.
class DigitReader : public QObject
{
    Q_OBJECT

public:
    static constexpr int PaceMs = 1000;
    static constexpr int PatienceMs = 10000;

    DigitReader(SpeechClient& speech, QObject* parent);

    void read(const std::vector<int>& digits);
    void stop();
    bool isReading() const { return next_ < digits_.size() || saying_; }

signals:
    // The last digit has been said, or one was not said in time.
    void finished(bool spoken);

private:
    void sayNext();
    void digitSaid();
    void paceElapsed();
    void fail();

    SpeechClient& speech_;
    QTimer pace_;
    QTimer patience_;
    std::vector<int> digits_;
    std::size_t next_ = 0;
    bool saying_ = false;
};

} // namespace pabrel::ui

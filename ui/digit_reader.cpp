// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "digit_reader.h"

#include "speech_client.h"

namespace pabrel::ui {

DigitReader::DigitReader(SpeechClient& speech, QObject* parent) : QObject(parent), speech_(speech)
{
    pace_.setSingleShot(true);
    pace_.setTimerType(Qt::PreciseTimer);
    pace_.setInterval(PaceMs);
    patience_.setSingleShot(true);
    patience_.setInterval(PatienceMs);
    connect(&pace_, &QTimer::timeout, this, &DigitReader::paceElapsed);
    connect(&patience_, &QTimer::timeout, this, &DigitReader::fail);
    connect(&speech_, &SpeechClient::spoken, this, &DigitReader::digitSaid);
}

void DigitReader::read(const std::vector<int>& digits)
{
    stop();
    digits_ = digits;
    next_ = 0;
    sayNext();
}

void DigitReader::stop()
{
    if (saying_) {
        speech_.cancel();
    }
    saying_ = false;
    digits_.clear();
    next_ = 0;
    pace_.stop();
    patience_.stop();
}

void DigitReader::sayNext()
{
    saying_ = true;
    pace_.start();
    patience_.start();
    speech_.say(QString::number(digits_[next_++]));
}

void DigitReader::digitSaid()
{
    if (!saying_) {
        return;
    }
    saying_ = false;
    patience_.stop();
    if (next_ == digits_.size()) {
        stop();
        emit finished(true);
    } else if (!pace_.isActive()) {
        sayNext();
    }
}

void DigitReader::paceElapsed()
{
    if (!saying_ && next_ < digits_.size()) {
        sayNext();
    }
}

void DigitReader::fail()
{
    if (!isReading()) {
        return;
    }
    stop();
    emit finished(false);
}

} // namespace pabrel::ui

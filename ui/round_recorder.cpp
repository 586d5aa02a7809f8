// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "round_recorder.h"

#include "flash_watch.h"

namespace pabrel::ui {

namespace {
// A quick answer can be judged before the mask is painted; its round waits this long
// for the paint, well within the pause after the result.
constexpr int PaintWaitMs = 250;

} // namespace

RoundRecorder::RoundRecorder(FlashWatch* flash, QObject* parent) : QObject(parent)
{
    connect(flash, &FlashWatch::digitsPainted, this, &RoundRecorder::digitsPainted);
    connect(flash, &FlashWatch::maskPainted, this, &RoundRecorder::maskPainted);
    paintDeadline_.setSingleShot(true);
    paintDeadline_.setInterval(PaintWaitMs);
    connect(&paintDeadline_, &QTimer::timeout, this, &RoundRecorder::flush);
}

RoundRecorder::~RoundRecorder()
{
    flush();
}

void RoundRecorder::characterTyped(char32_t character)
{
    current_.typed += QString::fromUcs4(&character, 1);
}

void RoundRecorder::flush()
{
    paintDeadline_.stop();
    if (awaitingPaint_) {
        const records::RoundRecord round = *awaitingPaint_;
        awaitingPaint_.reset();
        emit roundFinished(round);
    }
}

void RoundRecorder::readingAloud(bool on)
{
    readAloud_ = on;
    current_.presentation = on ? records::Presentation::Spoken : records::Presentation::Shown;
}

void RoundRecorder::questionShown()
{
    flush();
    current_ = {};
    current_.startedAt = QDateTime::currentDateTimeUtc();
    current_.presentation =
        readAloud_ ? records::Presentation::Spoken : records::Presentation::Shown;
    readAloud_ = false;
    digitsWerePainted_ = false;
    maskPaintDue_ = false;
    emit flashing(true);
}

void RoundRecorder::questionMasked()
{
    sinceMask_.start();
    // The flash is timed only if its digits were painted.
    maskPaintDue_ = digitsWerePainted_;
    emit flashing(false);
}

void RoundRecorder::roundJudged(const JudgedRound& round)
{
    current_.level = round.level;
    current_.shown = QString::fromStdString(round.shown);
    current_.outcome = round.outcome;
    current_.displayMs = round.displayMs;
    current_.order = round.order;
    if (round.masked) {
        current_.answerMs = sinceMask_.elapsed();
    } else {
        emit flashing(false);
    }
    if (maskPaintDue_) {
        awaitingPaint_ = current_;
        paintDeadline_.start();
    } else {
        emit roundFinished(current_);
    }
}

void RoundRecorder::digitsPainted()
{
    digitsWerePainted_ = true;
}

void RoundRecorder::maskPainted(double flashMs)
{
    maskPaintDue_ = false;
    current_.paintedMs = flashMs;
    if (awaitingPaint_) {
        awaitingPaint_->paintedMs = flashMs;
        flush();
    }
}

} // namespace pabrel::ui

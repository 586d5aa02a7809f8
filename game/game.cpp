// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game.h"

#include "game_words.h"
#include "numbers.h"
#include "timer_periods.h"

#include <vector>

namespace pabrel {

namespace {
constexpr Int16 DigitZeroCode = 48;

const std::string BlankBox = " ";
const std::string UnusedBox = "*";
} // namespace

namespace {
long orderIndex(RecallOrder order)
{
    return static_cast<long>(order);
}
} // namespace

Game::Game(GameView& view, RandomSource& random) : view_(view), random_(random)
{
    for (int i = 0; i < RecallOrderCount; ++i) {
        orderLevels_[i] = MinLevel;
    }
}

void Game::Form_Load()
{
    view_.showRulesPicture(order_);
    view_.showRecallOrder(order_);
    view_.setTimerEnabled(Timer::tmrCount, false);
    view_.setTimerEnabled(Timer::tmrQuestion, false);
    view_.setTimerEnabled(Timer::tmrSeikai, false);
    view_.setTimerInterval(Timer::tmrQuestion, LongDisplayMs);
    state_.isCorrect = false;
    state_.level = 1;
    state_.countdown = CountdownSeconds;
    ShowLevel();
}

void Game::ShowLevel()
{
    view_.setStatusText(std::string(words::LevelPrefix) + numberText(state_.level));
    view_.setTimerInterval(Timer::tmrQuestion, displayMs(state_.level));
}

void Game::cmdStart_Click()
{
    if (state_.countdown != 0) {
        roundRunning_ = true;
        if (order_ != RecallOrder::Forward) {
            view_.announceRecallOrder(order_);
        }
        applyMask();
        state_.inputPos = 0;
        view_.setStatusText(numberText(state_.countdown));
        view_.setTimerEnabled(Timer::tmrCount, true);
        view_.showLevelPicture(state_.level);
    } else {
        stopReading();
        state_.isCorrect = false;
        reportJudgement(RoundOutcome::GaveUp);
        Judge();
        view_.setTimerEnabled(Timer::tmrCount, false);
        view_.setTimerEnabled(Timer::tmrQuestion, false);
        view_.setKeyboardCapture(false);
    }
}

void Game::tmrCount_Timer()
{
    state_.countdown = checkedSub(state_.countdown, 1);
    view_.setStatusText(numberText(state_.countdown));
    if (state_.countdown < 1) {
        view_.setStatusText(std::string(words::Go));
        random_.reseedFromClock();
        for (int i = 0; i <= state_.level; ++i) {
            state_.question[i] = digitFromRandom(random_.next());
        }
        if (state_.listening) {
            speakQuestion();
        } else {
            showQuestion();
        }
        masked_ = false;
        if (observer_ != nullptr) {
            observer_->questionShown();
        }
    }
}

void Game::showQuestion()
{
    for (int i = 0; i <= state_.level; ++i) {
        view_.setDigitBox(i, numberText(state_.question[i]));
    }
    view_.setTimerEnabled(Timer::tmrQuestion, true);
}

// The boxes stay masked while the digits are read; reading takes seconds, so the count
// stops here rather than at the end of the question.
void Game::speakQuestion()
{
    view_.setTimerEnabled(Timer::tmrCount, false);
    std::vector<int> digits;
    for (int i = 0; i <= state_.level; ++i) {
        digits.push_back(state_.question[i]);
    }
    state_.speaking = true;
    view_.speakDigits(digits);
}

void Game::tmrQuestion_Timer()
{
    view_.setTimerEnabled(Timer::tmrCount, false);
    view_.setTimerEnabled(Timer::tmrQuestion, false);
    startAnswer();
}

// A question that cannot be read aloud is shown instead, so the round goes on.
void Game::speech_Done(SpeechOutcome outcome)
{
    if (!state_.speaking) {
        return;
    }
    state_.speaking = false;
    if (outcome == SpeechOutcome::Spoken) {
        startAnswer();
    } else {
        showQuestion();
    }
}

void Game::startAnswer()
{
    applyMask();
    view_.setKeyboardCapture(true);
    masked_ = true;
    if (observer_ != nullptr) {
        observer_->questionMasked();
    }
}

void Game::stopReading()
{
    if (state_.speaking) {
        state_.speaking = false;
        view_.stopSpeaking();
    }
}

void Game::Form_KeyPress(KeyCode KeyAscii)
{
    const Int16 idx = boxOfKey(order_, state_.inputPos, state_.level);
    state_.answer[idx] = checkedSub(KeyAscii.value(), DigitZeroCode);
    view_.setDigitBox(idx, numberText(state_.answer[idx]));
    state_.inputPos = checkedAdd(state_.inputPos, 1);
    if (state_.inputPos > state_.level) {
        state_.isCorrect = true;
        const auto expected = expectedBoxes(order_, state_.question, state_.level);
        for (int i = 0; i <= state_.level; ++i) {
            if (state_.answer[i] != expected[i]) {
                state_.isCorrect = false;
            }
        }
        reportJudgement(state_.isCorrect ? RoundOutcome::Correct : RoundOutcome::Wrong);
        Judge();
        view_.setKeyboardCapture(false);
    }
}

void Game::Judge()
{
    if (state_.isCorrect) {
        view_.setStatusText(std::string(words::Correct));
    } else {
        view_.setStatusText(std::string(words::Wrong));
    }
    state_.level = levelAfter(state_.level, state_.isCorrect);
    view_.beep();
    roundRunning_ = false;
    resultShowing_ = true;
    view_.setTimerEnabled(Timer::tmrSeikai, true);
    state_.countdown = CountdownSeconds;
}

void Game::tmrSeikai_Timer()
{
    view_.setTimerEnabled(Timer::tmrSeikai, false);
    resultShowing_ = false;
    ShowLevel();
    if (!roundInPlay()) {
        applyChosenOrder();
    }
}

void Game::setRecallOrder(RecallOrder order)
{
    chosenOrder_ = order;
    if (!roundInPlay()) {
        applyChosenOrder();
    }
}

void Game::applyChosenOrder()
{
    if (!chosenOrder_ || *chosenOrder_ == order_) {
        chosenOrder_.reset();
        return;
    }
    orderLevels_[orderIndex(order_)] = state_.level;
    order_ = *chosenOrder_;
    chosenOrder_.reset();
    state_.level = orderLevels_[orderIndex(order_)];
    view_.showRulesPicture(order_);
    view_.showRecallOrder(order_);
    ShowLevel();
}

void Game::cmdEnd_Click()
{
    stopReading();
    view_.showMessage(std::string(words::Farewell));
    view_.close();
}

void Game::reportJudgement(RoundOutcome outcome)
{
    if (observer_ == nullptr) {
        return;
    }
    JudgedRound round;
    round.level = state_.level;
    for (int i = 0; i <= state_.level; ++i) {
        round.shown += numberText(state_.question[i]);
    }
    round.outcome = outcome;
    round.displayMs = displayMs(state_.level);
    round.masked = masked_;
    round.order = order_;
    observer_->roundJudged(round);
}

void Game::applyMask()
{
    for (int i = 0; i < DigitBoxCount; ++i) {
        view_.setDigitBox(i, i < digitsAt(state_.level) ? BlankBox : UnusedBox);
    }
}

} // namespace pabrel

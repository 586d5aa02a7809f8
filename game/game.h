// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game_state.h"
#include "game_view.h"
#include "key_code.h"
#include "random_source.h"
#include "recall_order.h"
#include "round_observer.h"

#include <optional>

namespace pabrel {

// The game's rules: one handler per window event, acting on the window only through its
// GameView. Handlers run one at a time, each to its end. None of them catches anything: a
// failed 16-bit or index check is a bug and leaves the handler with OverflowError or
// IndexError.
class Game
{
public:
    Game(GameView& view, RandomSource& random);

    const GameState& state() const { return state_; }
    // From the start of a round's countdown until the pause after its result is over.
    bool roundInPlay() const { return roundRunning_ || resultShowing_; }
    // Reading the digits aloud instead of flashing them is the player's choice; it applies
    // from the next question.
    void setListening(bool on) { state_.listening = on; }
    // Between rounds the order changes at once; chosen during a round, it changes once that
    // round is over. Each order keeps its own level while the window is open.
    void setRecallOrder(RecallOrder order);
    RecallOrder recallOrder() const { return order_; }
    // Optional; told of every round from then on.
    void setRoundObserver(RoundObserver* observer) { observer_ = observer; }

    void Form_Load();
    void cmdStart_Click();
    void tmrCount_Timer();
    void tmrQuestion_Timer();
    void speech_Done(SpeechOutcome outcome);
    void Form_KeyPress(KeyCode KeyAscii);
    void tmrSeikai_Timer();
    void cmdEnd_Click();

private:
    void ShowLevel();
    void Judge();
    void applyMask();
    void showQuestion();
    void speakQuestion();
    void startAnswer();
    void stopReading();
    void reportJudgement(RoundOutcome outcome);
    void applyChosenOrder();

    GameView& view_;
    RandomSource& random_;
    GameState state_;
    RoundObserver* observer_ = nullptr;
    // Whether the digits of the round in play have been masked, for the observer only.
    bool masked_ = false;
    // From the start of the countdown to the judgement, and through the pause after it; a
    // new round may start during that pause.
    bool roundRunning_ = false;
    bool resultShowing_ = false;
    RecallOrder order_ = RecallOrder::Forward;
    std::optional<RecallOrder> chosenOrder_;
    // The level each order was left at; the current order's is state_.level.
    CheckedArray<RecallOrderCount> orderLevels_;
};

} // namespace pabrel

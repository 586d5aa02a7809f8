// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "recall_order.h"

#include <string>
#include <vector>

namespace pabrel {

enum class SpeechOutcome
{
    Spoken,
    Failed,
};

enum class Timer
{
    tmrCount,
    tmrQuestion,
    tmrSeikai,
};

// What the game does to its window. The game only ever writes through this interface; it
// never reads a control back. Texts are UTF-8.
class GameView
{
public:
    virtual ~GameView() = default;

    // Label1's caption.
    virtual void setStatusText(const std::string& text) = 0;
    // The text of digit box Text1(index), index 0 to 8.
    virtual void setDigitBox(int index, const std::string& text) = 0;
    // Picture1 shows the rules of the order: for the order as shown, the picture held by
    // ruru.
    virtual void showRulesPicture(RecallOrder order) = 0;
    // The window's title names the order; as shown, it is the plain title.
    virtual void showRecallOrder(RecallOrder order) = 0;
    // A screen reader, and the voice of the listening mode, say which order the round asks.
    virtual void announceRecallOrder(RecallOrder order) = 0;
    // Picture1 shows the picture held by ImgLevel(level), level 1 to 8.
    virtual void showLevelPicture(int level) = 0;
    // A running timer ticks every interval until it is stopped. Enabling a stopped timer
    // starts its first period; enabling one that already runs leaves its period running.
    virtual void setTimerEnabled(Timer timer, bool enabled) = 0;
    // Takes effect from the timer's next start (the game only changes it while stopped).
    virtual void setTimerInterval(Timer timer, int milliseconds) = 0;
    // While on, every character typed in the window reaches Game::Form_KeyPress first.
    virtual void setKeyboardCapture(bool on) = 0;
    virtual void beep() = 0;
    // A modal box with one OK button, titled with the program's name; returns once it
    // has been closed, and no other event reaches the game while it is open.
    virtual void showMessage(const std::string& text) = 0;
    // Unloads the window and ends the program.
    virtual void close() = 0;
    // Reads the digits (each 0 to 9) aloud, one a second, and raises Game::speech_Done
    // once the last one has been spoken or speech has failed.
    virtual void speakDigits(const std::vector<int>& digits) = 0;
    // Stops reading at once; no speech_Done follows for the digits being read.
    virtual void stopSpeaking() = 0;
};

} // namespace pabrel

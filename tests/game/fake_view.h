// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game.h"
#include "game_view.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace pabrel::testing {

// A window without a window: it records every operation with the virtual time at which it
// happened, keeps what a player would see, and runs the three timers on a virtual clock.
// Ticks that fall due at the same moment fire in the order tmrCount, tmrQuestion, tmrSeikai.
class FakeView : public GameView
{
public:
    struct Call
    {
        long at;
        std::string what;
    };

    void attach(Game& game) { game_ = &game; }

    void setStatusText(const std::string& text) override;
    void setDigitBox(int index, const std::string& text) override;
    void showRulesPicture(RecallOrder order) override;
    void showRecallOrder(RecallOrder order) override;
    void announceRecallOrder(RecallOrder order) override;
    void showLevelPicture(int level) override;
    void setTimerEnabled(Timer timer, bool enabled) override;
    void setTimerInterval(Timer timer, int milliseconds) override;
    void setKeyboardCapture(bool on) override;
    void beep() override;
    void showMessage(const std::string& text) override;
    void close() override;
    void speakDigits(const std::vector<int>& digits) override;
    void stopSpeaking() override;

    // Moves the clock on, firing every tick that falls due on the way.
    void advance(long milliseconds);
    // Types a character as the window does: it reaches the game only while captured.
    void type(char32_t character);
    void type(const std::u32string& characters);

    long now() const { return now_; }
    bool isRunning(Timer timer) const { return timers_[index(timer)].running; }
    bool anyTimerRunning() const;
    int interval(Timer timer) const { return timers_[index(timer)].interval; }
    // The time at which the first call after `from` was exactly `what`.
    std::optional<long> timeOf(const std::string& what, long from = 0) const;
    std::vector<std::string> callsSince(std::size_t first) const;

    std::vector<Call> calls;
    std::string status;
    std::array<std::string, 9> boxes;
    std::string picture = "none";
    // The order the window's title names.
    std::string order = "forward";
    bool capture = false;
    int beeps = 0;
    bool closed = false;
    // What is being read aloud, as digits ("" when nothing is).
    std::string speaking;

private:
    struct VirtualTimer
    {
        bool running = false;
        int interval = 0;
        long due = 0;
    };

    static std::size_t index(Timer timer) { return static_cast<std::size_t>(timer); }
    void record(std::string what);
    void fire(Timer timer);

    Game* game_ = nullptr;
    long now_ = 0;
    std::array<VirtualTimer, 3> timers_{{{false, 1000, 0}, {false, 600, 0}, {false, 1500, 0}}};
};

std::string timerName(Timer timer);

} // namespace pabrel::testing

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fake_view.h"

#include <algorithm>

namespace pabrel::testing {

std::string timerName(Timer timer)
{
    switch (timer) {
    case Timer::tmrCount:
        return "tmrCount";
    case Timer::tmrQuestion:
        return "tmrQuestion";
    case Timer::tmrSeikai:
        return "tmrSeikai";
    }
    return "?";
}

void FakeView::record(std::string what)
{
    calls.push_back({now_, std::move(what)});
}

void FakeView::setStatusText(const std::string& text)
{
    status = text;
    record("status " + text);
}

void FakeView::setDigitBox(int index, const std::string& text)
{
    boxes.at(static_cast<std::size_t>(index)) = text;
    record("box " + std::to_string(index) + " '" + text + "'");
}

void FakeView::showRulesPicture(RecallOrder order)
{
    picture = order == RecallOrder::Forward ? "rules" : "rules " + std::string(codeOf(order));
    record("picture " + picture);
}

void FakeView::showRecallOrder(RecallOrder order)
{
    this->order = codeOf(order);
}

void FakeView::announceRecallOrder(RecallOrder order)
{
    record("announce " + std::string(codeOf(order)));
}

void FakeView::showLevelPicture(int level)
{
    picture = "level " + std::to_string(level);
    record("picture " + picture);
}

void FakeView::setTimerEnabled(Timer timer, bool enabled)
{
    VirtualTimer& t = timers_[index(timer)];
    if (enabled && !t.running) {
        t.due = now_ + t.interval;
    }
    t.running = enabled;
    record("timer " + timerName(timer) + (enabled ? " on" : " off"));
}

void FakeView::setTimerInterval(Timer timer, int milliseconds)
{
    VirtualTimer& t = timers_[index(timer)];
    t.interval = milliseconds;
    t.due = now_ + milliseconds;
    record("interval " + timerName(timer) + " " + std::to_string(milliseconds));
}

void FakeView::setKeyboardCapture(bool on)
{
    capture = on;
    record(on ? "capture on" : "capture off");
}

void FakeView::beep()
{
    ++beeps;
    record("beep");
}

void FakeView::showMessage(const std::string& text)
{
    record("message " + text);
}

void FakeView::close()
{
    closed = true;
    std::fill(timers_.begin(), timers_.end(), VirtualTimer{});
    record("close");
}

void FakeView::speakDigits(const std::vector<int>& digits)
{
    speaking.clear();
    for (const int digit : digits) {
        speaking += std::to_string(digit);
    }
    record("speak " + speaking);
}

void FakeView::stopSpeaking()
{
    speaking.clear();
    record("stop speaking");
}

void FakeView::advance(long milliseconds)
{
    const long until = now_ + milliseconds;
    for (;;) {
        VirtualTimer* next = nullptr;
        for (VirtualTimer& t : timers_) {
            if (t.running && t.due <= until && (next == nullptr || t.due < next->due)) {
                next = &t;
            }
        }
        if (next == nullptr) {
            break;
        }
        now_ = next->due;
        next->due += next->interval;
        fire(static_cast<Timer>(next - timers_.data()));
    }
    now_ = until;
}

void FakeView::fire(Timer timer)
{
    switch (timer) {
    case Timer::tmrCount:
        game_->tmrCount_Timer();
        break;
    case Timer::tmrQuestion:
        game_->tmrQuestion_Timer();
        break;
    case Timer::tmrSeikai:
        game_->tmrSeikai_Timer();
        break;
    }
}

void FakeView::type(char32_t character)
{
    if (capture && !closed) {
        game_->Form_KeyPress(KeyCode::forCharacter(character));
    }
}

void FakeView::type(const std::u32string& characters)
{
    for (const char32_t character : characters) {
        type(character);
    }
}

bool FakeView::anyTimerRunning() const
{
    return std::any_of(timers_.begin(), timers_.end(),
                       [](const VirtualTimer& t) { return t.running; });
}

std::optional<long> FakeView::timeOf(const std::string& what, long from) const
{
    for (const Call& call : calls) {
        if (call.at >= from && call.what == what) {
            return call.at;
        }
    }
    return std::nullopt;
}

std::vector<std::string> FakeView::callsSince(std::size_t first) const
{
    std::vector<std::string> result;
    for (std::size_t i = first; i < calls.size(); ++i) {
        result.push_back(calls[i].what);
    }
    return result;
}

} // namespace pabrel::testing

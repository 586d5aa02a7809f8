// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "realtime_boost.h"

namespace pabrel::realtime {

Q_LOGGING_CATEGORY(realtimeLog, "pabrel.realtime", QtInfoMsg)

using Clock = std::chrono::steady_clock;

RealtimeBoost::RealtimeBoost(const Ways& ways, QObject* parent) : QObject(parent), ways_(ways)
{
    limit_.setSingleShot(true);
    connect(&limit_, &QTimer::timeout, this, &RealtimeBoost::end);
}

RealtimeBoost::~RealtimeBoost()
{
    end();
}

void RealtimeBoost::begin(std::chrono::milliseconds atMost)
{
    limit_.start(atMost);
    handle(Event::Begin);
}

void RealtimeBoost::end()
{
    limit_.stop();
    handle(Event::End);
}

RealtimeBoost::Step RealtimeBoost::next(State from, Event event)
{
    const bool answerDue = from == State::Waiting || from == State::Withdrawn;
    switch (event) {
    case Event::Begin:
        if (from == State::Idle) {
            return {State::Waiting, Action::TryWays};
        }
        return {answerDue ? State::Waiting : from, Action::None};
    case Event::End:
        return {answerDue ? State::Withdrawn : State::Idle,
                from == State::Idle ? Action::None : Action::Lower};
    case Event::Granted:
    case Event::Denied:
        if (from == State::Waiting) {
            return event == Event::Granted ? Step{State::Raised, Action::None}
                                           : Step{State::Unraised, Action::Lower};
        }
        return from == State::Withdrawn ? Step{State::Idle, Action::Lower}
                                        : Step{from, Action::None};
    case Event::KitReady:
        if (from == State::Waiting) {
            return {from, Action::AskKit};
        }
        return {from == State::Withdrawn ? State::Idle : from, Action::None};
    }
    Q_UNREACHABLE();
}

// The state changes before the action is taken, as an action may answer at once.
void RealtimeBoost::handle(Event event)
{
    const Step step = next(state_, event);
    state_ = step.to;
    switch (step.action) {
    case Action::None:
        break;
    case Action::TryWays:
        tryWays();
        break;
    case Action::AskKit:
        askRealtimeKit();
        break;
    case Action::Lower:
        lower();
        break;
    }
}

// The direct way comes first, as it answers at once; RealtimeKit is asked only where the
// kernel refused for want of privilege, which RealtimeKit may have. A way that failed is
// not tried again for a while, so that a missing or refusing RealtimeKit costs nothing
// round after round.
void RealtimeBoost::tryWays()
{
    const auto now = Clock::now();
    if (now < directFrom_) {
        qCDebug(realtimeLog, "the direct way failed less than a minute ago");
    } else {
        const Direct direct = ways_.direct ? raiseDirectly() : Direct::NotPermitted;
        if (direct == Direct::Raised) {
            path_ = Path::Direct;
            handle(Event::Granted);
            return;
        }
        directFrom_ = now + RetryAfter;
        // Where the kernel fails for another reason than privilege, RealtimeKit would too.
        if (direct == Direct::Failed) {
            kitFrom_ = directFrom_;
        }
    }
    if (now < kitFrom_) {
        qCDebug(realtimeLog, "not raised: RealtimeKit is not asked within a minute of a failure");
        path_ = Path::None;
        handle(Event::Denied);
        return;
    }
    askRealtimeKit();
}

void RealtimeBoost::kitAnswered(bool granted)
{
    path_ = granted ? Path::RealtimeKit : Path::None;
    if (!granted) {
        kitFrom_ = Clock::now() + RetryAfter;
        kitLongestRunUs_.reset();
    }
    handle(granted ? Event::Granted : Event::Denied);
}

} // namespace pabrel::realtime

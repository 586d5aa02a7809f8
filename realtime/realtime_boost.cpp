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
    if (state_ == State::Idle) {
        raise();
    } else if (state_ == State::Withdrawn) {
        state_ = State::Waiting;
    }
}

void RealtimeBoost::end()
{
    limit_.stop();
    if (state_ == State::Idle) {
        return;
    }
    lower();
    const bool answerDue = state_ == State::Waiting || state_ == State::Withdrawn;
    state_ = answerDue ? State::Withdrawn : State::Idle;
}

QString RealtimeBoost::pathName(Path path)
{
    switch (path) {
    case Path::Untried:
        return QStringLiteral("not tried");
    case Path::RealtimeKit:
        return QStringLiteral("RealtimeKit");
    case Path::Direct:
        return QStringLiteral("direct");
    case Path::None:
        return QStringLiteral("none");
    }
    Q_UNREACHABLE();
}

// The direct way comes first, as it answers at once; RealtimeKit is asked only where the
// kernel refused for want of privilege, which RealtimeKit may have. A way that failed is
// not tried again for a while, so that a missing or refusing RealtimeKit costs nothing
// round after round.
void RealtimeBoost::raise()
{
    const auto now = Clock::now();
    if (now < directFrom_) {
        qCDebug(realtimeLog, "the direct way failed less than a minute ago");
    } else {
        const Direct direct = ways_.direct ? raiseDirectly() : Direct::NotPermitted;
        if (direct == Direct::Raised) {
            path_ = Path::Direct;
            state_ = State::Raised;
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
        state_ = State::Unraised;
        return;
    }
    state_ = State::Waiting;
    askRealtimeKit();
}

void RealtimeBoost::kitAnswered(bool granted)
{
    path_ = granted ? Path::RealtimeKit : Path::None;
    if (granted && state_ == State::Waiting) {
        state_ = State::Raised;
        return;
    }
    if (!granted) {
        kitFrom_ = Clock::now() + RetryAfter;
        kitLongestRunUs_ = 0;
    }
    lower();
    state_ = state_ == State::Waiting ? State::Unraised : State::Idle;
}

} // namespace pabrel::realtime

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "boost.h"

#include <QLoggingCategory>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <optional>

namespace pabrel::realtime {

class RealtimeKitLink;

// Why the thread was raised or not, and what was set on the way:
// QT_LOGGING_RULES="pabrel.realtime.debug=true".
Q_DECLARE_LOGGING_CATEGORY(realtimeLog)

// Raises the calling thread to a real-time scheduling class for a short, timing-critical
// stretch, so that a busy machine cannot keep it waiting for a CPU, and drops it back to
// normal afterwards. It sets the policy itself where the kernel permits it (root,
// CAP_SYS_NICE or an RLIMIT_RTPRIO allowance); where the kernel refuses for want of
// privilege it asks RealtimeKit over the system bus, as desktop programs without privileges
// must, and raises the thread whenever RealtimeKit's answer comes: it never waits for the
// bus. Where neither works the thread runs on at normal priority. No failure here is ever
// reported to the caller; realtimeLog says why. Every call must come from the thread to be
// raised, which runs an event loop.
//
// The priority asked for is the lowest real-time one: above every normal thread, below the
// sound server's and the compositor's, which must not wait for ours. The kernel's
// RLIMIT_RTTIME (which RealtimeKit requires) caps how long a real-time thread may compute
// without sleeping; should the thread ever come near it, it is dropped to normal priority
// on the spot instead of being killed.
//
// What each system does its own way is in realtime_boost_linux.cpp, and in
// realtime_boost_other.cpp for the others, where the thread is never raised.
class RealtimeBoost : public QObject, public Boost
{
    Q_OBJECT

public:
    enum class Path
    {
        // Not asked yet, or RealtimeKit's first answer is still to come.
        Untried,
        RealtimeKit,
        Direct,
        // Neither is available; each is tried again no sooner than RetryAfter later.
        None,
    };

    // How long connecting to RealtimeKit, or a request to it, may take.
    static constexpr std::chrono::milliseconds BusTimeout{2000};
    static constexpr std::chrono::minutes RetryAfter{1};

    struct Ways
    {
        // Switched off, the kernel is taken to refuse, as it refuses a user without an
        // allowance, and RealtimeKit is asked.
        bool direct = true;
        // Where RealtimeKit is asked; empty for the system bus.
        QString busAddress;
        std::chrono::milliseconds busTimeout = BusTimeout;
    };

    explicit RealtimeBoost(QObject* parent = nullptr) : RealtimeBoost(Ways{}, parent) {}
    RealtimeBoost(const Ways& ways, QObject* parent);
    ~RealtimeBoost() override;

    void begin(std::chrono::milliseconds atMost) override;
    void end() override;

    // How the thread was last raised, or that it could not be.
    Path path() const { return path_; }
    // Whether the calling thread is in a real-time scheduling class right now.
    static bool isCallingThreadRealtime();

    // The boost as a state machine, whose whole table is next(): public, so that it can be
    // checked apart from any system.
    enum class State
    {
        // Not wanted, at normal priority.
        Idle,
        // Wanted, the answer of the way tried still to come: at once from the kernel, later
        // from RealtimeKit.
        Waiting,
        // No longer wanted, RealtimeKit's answer still to come.
        Withdrawn,
        // Wanted, and at real-time priority.
        Raised,
        // Wanted, but at normal priority: no way was to be had.
        Unraised,
    };
    enum class Event
    {
        Begin,
        // end(), or the limit passed.
        End,
        // What the way tried answered.
        Granted,
        Denied,
        // The link to RealtimeKit is up and its limits known: a request may be made.
        KitReady,
    };
    enum class Action
    {
        None,
        // The kernel first, then RealtimeKit; the answer comes as Granted or Denied.
        TryWays,
        AskKit,
        // Also where the thread was never raised: a request RealtimeKit did not answer in
        // time may yet have been carried out.
        Lower,
    };
    struct Step
    {
        State to;
        Action action;
    };
    // Every change of state, and what it calls for. An answer that comes to no request is
    // passed over.
    static Step next(State from, Event event);

private:
    enum class Direct
    {
        Raised,
        // For want of privilege: RealtimeKit may grant what the kernel does not.
        NotPermitted,
        Failed,
    };

    void handle(Event event);
    void tryWays();
    void kitAnswered(bool granted);
    // Each system's own:
    Direct raiseDirectly();
    // Connects first where the link is not up, which comes back as KitReady. Answers
    // through kitAnswered(), once, whatever becomes of the request: later, from the event
    // loop, or at once where there is no RealtimeKit to ask.
    void askRealtimeKit();
    void lower();

    Ways ways_;
    State state_ = State::Idle;
    Path path_ = Path::Untried;
    // When each way may be tried again after failing; any time from the start.
    std::chrono::steady_clock::time_point directFrom_{};
    std::chrono::steady_clock::time_point kitFrom_{};
    // Made when RealtimeKit is first asked, and its limit on a real-time thread's run, read
    // on connecting: none until read, and again once RealtimeKit has failed.
    RealtimeKitLink* kit_ = nullptr;
    std::optional<qint64> kitLongestRunUs_;
    QTimer limit_;
};

} // namespace pabrel::realtime

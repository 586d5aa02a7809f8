// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "boost.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

namespace pabrel::realtime {

class RealtimeKitLink;

// Raises the calling thread to a real-time scheduling class for a short, timing-critical
// stretch, so that a busy machine cannot keep it waiting for a CPU, and drops it back to
// normal afterwards. It asks RealtimeKit over the system bus, as desktop programs without
// privileges must, and never waits for the bus: the connection is made in the background
// when first needed, and until it is up the thread is raised directly if it may be. Where
// RealtimeKit fails it sets the policy itself, which root, CAP_SYS_NICE or an RLIMIT_RTPRIO
// allowance permits. Where neither works the thread runs on at normal priority: no failure
// here is ever reported to the caller. Every call must come from the thread to be raised,
// which runs an event loop.
//
// The priority asked for is the lowest real-time one: above every normal thread, below the
// sound server's and the compositor's, which must not wait for ours. The kernel's
// RLIMIT_RTTIME (which RealtimeKit requires) caps how long a real-time thread may compute
// without sleeping; should the thread ever come near it, it is dropped to normal priority
// on the spot instead of being killed.
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
        bool realtimeKit = true;
        bool direct = true;
        // Where RealtimeKit is asked; empty for the system bus.
        QString busAddress;
        std::chrono::milliseconds busTimeout = BusTimeout;
    };

    explicit RealtimeBoost(QObject* parent = nullptr);
    RealtimeBoost(const Ways& ways, QObject* parent);
    ~RealtimeBoost() override;

    // Raises the calling thread, at once or when RealtimeKit answers; it drops back by
    // itself after `atMost` should end() not come first. Calling again while raised only
    // moves that limit.
    void begin(std::chrono::milliseconds atMost) override;
    void end() override;

    // Switched off, begin() does nothing.
    void setEnabled(bool enabled);
    bool isEnabled() const { return enabled_; }
    // How the thread was last raised, or that it could not be.
    Path path() const { return path_; }
    static QString pathName(Path path);
    // Whether the calling thread is in a real-time scheduling class right now.
    static bool isCallingThreadRealtime();

private:
    void raise();
    void fallBackToDirect();
    bool askRealtimeKit();
    void connectToKit();
    void kitConnected(qint64 longestRunUs, qint64 maxPriority);
    void requestRealtime();
    void kitGranted(qint64 thread);
    void kitDenied(qint64 thread);
    void realtimeKitFailed();
    bool raiseDirectly();

    Ways ways_;
    bool enabled_ = true;
    // Between begin() and end().
    bool wanted_ = false;
    bool raised_ = false;
    bool asking_ = false;
    // A RealtimeKit request went unanswered in time, and may yet be carried out.
    bool unanswered_ = false;
    enum class KitBus
    {
        Down,
        Connecting,
        Up,
    };
    KitBus kitBus_ = KitBus::Down;
    // RealtimeKit's limit on a real-time thread's run, read on connecting.
    qlonglong kitLongestRunUs_ = 0;
    // Made when RealtimeKit is first asked; Linux only.
    RealtimeKitLink* kit_ = nullptr;
    Path path_ = Path::Untried;
    std::chrono::steady_clock::time_point kitFailedAt_{};
    std::chrono::steady_clock::time_point directFailedAt_{};
    QTimer limit_;
};

} // namespace pabrel::realtime

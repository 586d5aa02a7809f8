// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

namespace pabrel::realtime {

// Raises the calling thread to a real-time scheduling class for a short, timing-critical
// stretch, so that a busy machine cannot keep it waiting for a CPU, and drops it back to
// normal afterwards. It asks RealtimeKit over the system bus, as desktop programs without
// privileges must; failing that it sets the policy itself, which root, CAP_SYS_NICE or an
// RLIMIT_RTPRIO allowance permits. Where neither works the thread runs on at normal
// priority: no failure here is ever reported to the caller.
//
// The priority asked for is the lowest real-time one: above every normal thread, below the
// sound server's and the compositor's, which must not wait for ours. The kernel's
// RLIMIT_RTTIME (which RealtimeKit requires) caps how long a real-time thread may compute
// without sleeping; should the thread ever come near it, it is dropped to normal priority
// on the spot instead of being killed.
class RealtimeBoost : public QObject
{
    Q_OBJECT

public:
    enum class Path
    {
        // Not asked yet.
        Untried,
        RealtimeKit,
        Direct,
        // Neither is available; asked again no sooner than RetryAfter later.
        None,
    };

    struct Ways
    {
        bool realtimeKit = true;
        bool direct = true;
        // Where RealtimeKit is asked; empty for the system bus.
        QString busAddress;
    };

    static constexpr std::chrono::milliseconds BusTimeout{100};
    static constexpr std::chrono::minutes RetryAfter{1};

    explicit RealtimeBoost(QObject* parent = nullptr);
    RealtimeBoost(const Ways& ways, QObject* parent);
    ~RealtimeBoost() override;

    // Raises the calling thread; it drops back by itself after `atMost` should end() not
    // come first. Calling again while raised only moves that limit.
    void begin(std::chrono::milliseconds atMost);
    void end();

    // Switched off, begin() does nothing.
    void setEnabled(bool enabled);
    bool isEnabled() const { return enabled_; }
    // How the last begin() raised the thread, or that it could not.
    Path path() const { return path_; }
    static QString pathName(Path path);
    // Whether the calling thread is in a real-time scheduling class right now.
    static bool isCallingThreadRealtime();

private:
    bool raise();
    bool askRealtimeKit();
    bool raiseDirectly();

    Ways ways_;
    bool enabled_ = true;
    bool raised_ = false;
    // A RealtimeKit request went unanswered in time, and may yet be carried out.
    bool unanswered_ = false;
    // RealtimeKit's limit on a real-time thread's run, once asked.
    qlonglong kitLongestRunUs_ = 0;
    Path path_ = Path::Untried;
    std::chrono::steady_clock::time_point failedAt_{};
    QTimer limit_;
};

} // namespace pabrel::realtime

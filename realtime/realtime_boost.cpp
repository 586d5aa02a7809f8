// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "realtime_boost.h"

#if defined(Q_OS_LINUX)
#include "realtime_kit_link.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace pabrel::realtime {

#if defined(Q_OS_LINUX)
namespace {
constexpr int RealtimePriority = 1;
// The most real-time CPU time the thread may use without sleeping; the game's thread
// sleeps between every two events, and a frame takes a few milliseconds.
constexpr rlim_t LongestRunUs = 200'000;

// The raised thread, for the signal handler.
std::atomic<pid_t> raisedThread{0};

pid_t callingThread()
{
    return static_cast<pid_t>(syscall(SYS_gettid));
}

// The reset-on-fork flag keeps children of a raised thread at normal priority; once set,
// a thread without privileges must keep it, also when returning to normal.
bool setPolicy(pid_t thread, int policy, int priority)
{
    sched_param param{};
    param.sched_priority = priority;
    return sched_setscheduler(thread, policy | SCHED_RESET_ON_FORK, &param) == 0;
}

void lowerToNormal(pid_t thread)
{
    setPolicy(thread, SCHED_OTHER, 0);
}

void dropOnCpuLimit(int)
{
    if (const pid_t thread = raisedThread.load(); thread != 0) {
        lowerToNormal(thread);
    }
}

// The soft limit comes at half the hard one: its SIGXCPU drops the thread to normal
// priority before the hard limit's SIGKILL. The kernel moves the soft limit on each time
// it signals, so it is set again before every raise. A handler of the program's own is
// left in place.
void limitRealtimeRun(rlim_t longestUs)
{
    static const bool guarded = [] {
        struct sigaction current
        {
        };
        sigaction(SIGXCPU, nullptr, &current);
        if (current.sa_handler != SIG_DFL) {
            return false;
        }
        struct sigaction guard
        {
        };
        guard.sa_handler = dropOnCpuLimit;
        sigemptyset(&guard.sa_mask);
        guard.sa_flags = SA_RESTART;
        return sigaction(SIGXCPU, &guard, nullptr) == 0;
    }();
    rlimit limit{};
    getrlimit(RLIMIT_RTTIME, &limit);
    const rlim_t hard = std::min({limit.rlim_max, longestUs, LongestRunUs});
    limit.rlim_max = hard;
    limit.rlim_cur = guarded ? hard / 2 : hard;
    setrlimit(RLIMIT_RTTIME, &limit);
}

} // namespace
#endif

namespace {
// A thread that RealtimeKit raised, or may yet raise, goes back to normal.
void lowerKitThread([[maybe_unused]] qint64 thread)
{
#if defined(Q_OS_LINUX)
    raisedThread.store(0);
    lowerToNormal(static_cast<pid_t>(thread));
#endif
}
} // namespace

RealtimeBoost::RealtimeBoost(QObject* parent) : RealtimeBoost(Ways{}, parent)
{
}

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
    if (!enabled_) {
        return;
    }
    wanted_ = true;
    limit_.start(atMost);
    if (!raised_ && !asking_) {
        raise();
    }
}

void RealtimeBoost::end()
{
    wanted_ = false;
    limit_.stop();
    if (!raised_ && !unanswered_) {
        return;
    }
    raised_ = false;
    unanswered_ = false;
#if defined(Q_OS_LINUX)
    raisedThread.store(0);
    lowerToNormal(0);
#endif
}

void RealtimeBoost::setEnabled(bool enabled)
{
    if (!enabled) {
        end();
    }
    enabled_ = enabled;
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

bool RealtimeBoost::isCallingThreadRealtime()
{
#if defined(Q_OS_LINUX)
    const int policy = sched_getscheduler(0) & ~SCHED_RESET_ON_FORK;
    return policy == SCHED_RR || policy == SCHED_FIFO;
#else
    return false;
#endif
}

// A way that worked is taken first next time, except that the direct way, taken while the
// link to RealtimeKit was still coming up, gives way to RealtimeKit once the link is up. A
// way that failed is not tried again for a while, so that a missing or refusing RealtimeKit
// costs nothing round after round.
void RealtimeBoost::raise()
{
    const auto now = std::chrono::steady_clock::now();
    if (path_ == Path::Direct && kitBus_ != KitBus::Up && raiseDirectly()) {
        raised_ = true;
        return;
    }
    if (now - kitFailedAt_ >= RetryAfter && askRealtimeKit()) {
        return;
    }
    fallBackToDirect();
}

void RealtimeBoost::fallBackToDirect()
{
    const auto now = std::chrono::steady_clock::now();
    if (now - directFailedAt_ >= RetryAfter) {
        if (raiseDirectly()) {
            path_ = Path::Direct;
            raised_ = true;
            return;
        }
        directFailedAt_ = now;
    }
    // While the link to RealtimeKit is still being made, its answer is yet to come.
    if (kitBus_ != KitBus::Connecting) {
        path_ = Path::None;
    }
}

// RealtimeKit answers through the bus and its own daemon, both at normal priority, which a
// busy machine can hold up for a good while: the request is sent without waiting, and the
// thread is raised whenever the answer comes. Until the link to it is up, the thread goes
// the direct way if it may, and is raised through RealtimeKit as soon as the link comes up
// if it may not.
bool RealtimeBoost::askRealtimeKit()
{
#if defined(Q_OS_LINUX)
    if (!ways_.realtimeKit) {
        return false;
    }
    switch (kitBus_) {
    case KitBus::Up:
        asking_ = true;
        requestRealtime();
        return true;
    case KitBus::Down:
        connectToKit();
        return false;
    case KitBus::Connecting:
        return false;
    }
#endif
    return false;
}

void RealtimeBoost::connectToKit()
{
#if defined(Q_OS_LINUX)
    if (kit_ == nullptr) {
        kit_ = new RealtimeKitLink(ways_.busAddress, ways_.busTimeout, this);
        connect(kit_, &RealtimeKitLink::connected, this, &RealtimeBoost::kitConnected);
        connect(kit_, &RealtimeKitLink::unreachable, this, &RealtimeBoost::realtimeKitFailed);
        connect(kit_, &RealtimeKitLink::answered, this,
                [this](qint64 thread, RealtimeKitLink::Answer answer) {
                    asking_ = false;
                    if (answer == RealtimeKitLink::Answer::Granted) {
                        kitGranted(thread);
                        return;
                    }
                    // A request that timed out may still be carried out later: the next
                    // end() lowers the thread once more.
                    unanswered_ = answer == RealtimeKitLink::Answer::Unanswered;
                    kitDenied(thread);
                });
    }
    kitBus_ = KitBus::Connecting;
    kit_->connectToKit();
#endif
}

void RealtimeBoost::kitConnected(qint64 longestRunUs, qint64 maxPriority)
{
#if defined(Q_OS_LINUX)
    if (longestRunUs <= 0 || maxPriority < RealtimePriority) {
        realtimeKitFailed();
        return;
    }
    kitBus_ = KitBus::Up;
    kitLongestRunUs_ = longestRunUs;
    if (wanted_ && !raised_ && !asking_) {
        askRealtimeKit();
    }
#else
    Q_UNUSED(longestRunUs);
    Q_UNUSED(maxPriority);
#endif
}

void RealtimeBoost::requestRealtime()
{
#if defined(Q_OS_LINUX)
    limitRealtimeRun(static_cast<rlim_t>(kitLongestRunUs_));
    const pid_t thread = callingThread();
    raisedThread.store(thread);
    kit_->makeThreadRealtime(getpid(), thread, RealtimePriority);
#endif
}

void RealtimeBoost::kitGranted(qint64 thread)
{
    path_ = Path::RealtimeKit;
    if (wanted_) {
        raised_ = true;
        return;
    }
    lowerKitThread(thread);
}

// The link is asked again, and its limits read afresh, no sooner than RetryAfter later.
void RealtimeBoost::kitDenied(qint64 thread)
{
    lowerKitThread(thread);
    realtimeKitFailed();
}

void RealtimeBoost::realtimeKitFailed()
{
    asking_ = false;
    kitBus_ = KitBus::Down;
    kitFailedAt_ = std::chrono::steady_clock::now();
    if (wanted_ && !raised_) {
        fallBackToDirect();
    }
}

bool RealtimeBoost::raiseDirectly()
{
#if defined(Q_OS_LINUX)
    if (!ways_.direct) {
        return false;
    }
    limitRealtimeRun(LongestRunUs);
    const pid_t thread = callingThread();
    raisedThread.store(thread);
    if (!setPolicy(0, SCHED_RR, RealtimePriority)) {
        raisedThread.store(0);
        return false;
    }
    return true;
#else
    return false;
#endif
}

} // namespace pabrel::realtime

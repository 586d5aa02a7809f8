// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the boost does on Linux: the kernel's scheduler, its limit on a real-time thread's
// run, and RealtimeKit.

#include "realtime_boost.h"
#include "realtime_kit_link.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

namespace pabrel::realtime {

namespace {
constexpr int RealtimePriority = 1;
// The most real-time CPU time the thread may use without sleeping; the game's thread
// sleeps between every two events, and a frame takes a few milliseconds.
constexpr rlim_t LongestRunUs = 200'000;

// The thread last raised or asked for, for the signal handler. It stays after the thread is
// lowered, as RealtimeKit may yet carry out a request it did not answer in time.
std::atomic<pid_t> raisedThread{0};

// The reset-on-fork flag keeps children of a raised thread at normal priority; once set,
// a thread without privileges must keep it, also when returning to normal.
bool setPolicy(pid_t thread, int policy, int priority)
{
    sched_param param{};
    param.sched_priority = priority;
    return sched_setscheduler(thread, policy | SCHED_RESET_ON_FORK, &param) == 0;
}

void dropOnCpuLimit(int)
{
    if (const pid_t thread = raisedThread.load(); thread != 0) {
        setPolicy(thread, SCHED_OTHER, 0);
    }
}

// Caps how long the calling thread, about to be raised, may compute without sleeping, and
// returns its id. The soft limit comes at half the hard one: its SIGXCPU drops the thread
// to normal priority before the hard limit's SIGKILL. The kernel moves the soft limit on
// each time it signals, so it is set again before every raise. A handler of the program's
// own is left in place.
pid_t guardRealtimeRun(rlim_t longestUs)
{
    static const bool guarded = [] {
        struct sigaction current = {};
        sigaction(SIGXCPU, nullptr, &current);
        if (current.sa_handler != SIG_DFL) {
            return false;
        }
        struct sigaction guard = {};
        guard.sa_handler = dropOnCpuLimit;
        sigemptyset(&guard.sa_mask);
        guard.sa_flags = SA_RESTART;
        return sigaction(SIGXCPU, &guard, nullptr) == 0;
    }();
    rlimit limit{};
    getrlimit(RLIMIT_RTTIME, &limit);
    limit.rlim_max = std::min({limit.rlim_max, longestUs, LongestRunUs});
    limit.rlim_cur = guarded ? limit.rlim_max / 2 : limit.rlim_max;
    const bool set = setrlimit(RLIMIT_RTTIME, &limit) == 0;
    qCDebug(realtimeLog) << "RLIMIT_RTTIME" << (set ? "set to" : "NOT set to") << limit.rlim_max
                         << "us; SIGXCPU at" << limit.rlim_cur << "us"
                         << (guarded ? "drops the thread to normal" : "is the program's own");
    raisedThread.store(gettid());
    return gettid();
}

// Says what RealtimeKit answered, and whether it granted the request.
bool isGrant(RealtimeKitLink::Answer answer)
{
    // In the order of RealtimeKitLink::Answer.
    static constexpr const char* Told[] = {"granted the request", "refused",
                                           "did not answer in time, and may yet raise the thread",
                                           "is unreachable, or its bus went away"};
    qCDebug(realtimeLog, "RealtimeKit %s", Told[static_cast<int>(answer)]);
    return answer == RealtimeKitLink::Answer::Granted;
}
} // namespace

bool RealtimeBoost::isCallingThreadRealtime()
{
    const int policy = sched_getscheduler(0) & ~SCHED_RESET_ON_FORK;
    return policy == SCHED_RR || policy == SCHED_FIFO;
}

RealtimeBoost::Direct RealtimeBoost::raiseDirectly()
{
    const pid_t thread = guardRealtimeRun(LongestRunUs);
    if (setPolicy(0, SCHED_RR, RealtimePriority)) {
        qCDebug(realtimeLog, "thread %d raised directly (SCHED_RR, priority %d)", thread,
                RealtimePriority);
        return Direct::Raised;
    }
    const int error = errno;
    qCDebug(realtimeLog, "the kernel refused SCHED_RR: %s%s", std::strerror(error),
            error == EPERM ? " (EPERM: no RLIMIT_RTPRIO allowance, no CAP_SYS_NICE)" : "");
    return error == EPERM ? Direct::NotPermitted : Direct::Failed;
}

// RealtimeKit answers through the bus and its own daemon, both at normal priority, which a
// busy machine can hold up for a good while; its link waits for them on a thread of its
// own. Its limits are read on connecting, and the request made once they are known.
void RealtimeBoost::askRealtimeKit()
{
    if (kitLongestRunUs_) {
        const pid_t thread = guardRealtimeRun(static_cast<rlim_t>(*kitLongestRunUs_));
        qCDebug(realtimeLog, "asking RealtimeKit to raise thread %d of process %d", thread,
                getpid());
        kit_->makeThreadRealtime(getpid(), thread, RealtimePriority);
        return;
    }
    if (kit_ == nullptr) {
        kit_ = new RealtimeKitLink(ways_.busAddress, ways_.busTimeout, this);
        connect(kit_, &RealtimeKitLink::connected, this,
                [this](qint64 longestUs, qint64 maxPriority) {
                    if (longestUs <= 0 || maxPriority < RealtimePriority) {
                        qCDebug(realtimeLog,
                                "RealtimeKit offers too little: RTTimeUSecMax %lld, "
                                "MaxRealtimePriority %lld",
                                longestUs, maxPriority);
                        kitAnswered(false);
                        return;
                    }
                    kitLongestRunUs_ = longestUs;
                    handle(Event::KitReady);
                });
        connect(kit_, &RealtimeKitLink::answered, this,
                [this](qint64, RealtimeKitLink::Answer answer) { kitAnswered(isGrant(answer)); });
        connect(kit_, &RealtimeKitLink::unreachable, this,
                [this] { kitAnswered(isGrant(RealtimeKitLink::Answer::Lost)); });
    }
    kit_->connectToKit();
}

void RealtimeBoost::lower()
{
    if (isCallingThreadRealtime()) {
        setPolicy(0, SCHED_OTHER, 0);
        qCDebug(realtimeLog, "thread %d lowered to normal", gettid());
    }
}

} // namespace pabrel::realtime

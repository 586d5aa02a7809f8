// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "realtime_boost.h"

#if defined(Q_OS_LINUX)
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <optional>
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

const QString Service = QStringLiteral("org.freedesktop.RealtimeKit1");
const QString ObjectPath = QStringLiteral("/org/freedesktop/RealtimeKit1");

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

QDBusConnection busAt(const QString& address)
{
    if (address.isEmpty()) {
        return QDBusConnection::systemBus();
    }
    return QDBusConnection::connectToBus(address, QStringLiteral("pabrel-realtime"));
}

QDBusMessage realtimeKitCall(const QString& interface, const QString& method,
                             const QVariantList& arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(Service, ObjectPath, interface, method);
    call.setArguments(arguments);
    return call;
}

// Reads one of RealtimeKit's numbers without waiting, and hands it to `then` when it comes;
// 0 when it cannot be had.
template <typename Then>
void readNumber(QDBusConnection bus, QObject* context, const QString& name, Then then)
{
    const QDBusMessage get = realtimeKitCall(QStringLiteral("org.freedesktop.DBus.Properties"),
                                             QStringLiteral("Get"), {Service, name});
    auto* watcher = new QDBusPendingCallWatcher(
        bus.asyncCall(get, static_cast<int>(RealtimeBoost::BusTimeout.count())), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                     [then](QDBusPendingCallWatcher* call) {
                         call->deleteLater();
                         const QDBusPendingReply<QDBusVariant> reply = *call;
                         bool ok = false;
                         const qlonglong value =
                             reply.isValid() ? reply.value().variant().toLongLong(&ok) : 0;
                         then(ok ? value : 0);
                     });
}
} // namespace
#endif

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

// A way that worked is taken first next time. A way that failed is not tried again for a
// while, so that a missing or refusing RealtimeKit costs nothing round after round.
void RealtimeBoost::raise()
{
    const auto now = std::chrono::steady_clock::now();
    if (path_ == Path::Direct && raiseDirectly()) {
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
    path_ = Path::None;
}

// RealtimeKit answers through the bus and its own daemon, both at normal priority, which a
// busy machine can hold up for a good while: the request is sent without waiting, and the
// thread is raised whenever the answer comes.
bool RealtimeBoost::askRealtimeKit()
{
#if defined(Q_OS_LINUX)
    if (!ways_.realtimeKit) {
        return false;
    }
    QDBusConnection bus = busAt(ways_.busAddress);
    if (!bus.isConnected()) {
        kitFailedAt_ = std::chrono::steady_clock::now();
        return false;
    }
    asking_ = true;
    if (kitLongestRunUs_ > 0) {
        requestRealtime();
        return true;
    }
    readNumber(bus, this, QStringLiteral("RTTimeUSecMax"), [this, bus](qlonglong longestUs) {
        if (longestUs <= 0) {
            realtimeKitFailed();
            return;
        }
        readNumber(bus, this, QStringLiteral("MaxRealtimePriority"),
                   [this, longestUs](qlonglong maxPriority) {
                       if (maxPriority < RealtimePriority) {
                           realtimeKitFailed();
                           return;
                       }
                       kitLongestRunUs_ = longestUs;
                       requestRealtime();
                   });
    });
    return true;
#else
    return false;
#endif
}

void RealtimeBoost::requestRealtime()
{
#if defined(Q_OS_LINUX)
    limitRealtimeRun(static_cast<rlim_t>(kitLongestRunUs_));
    const pid_t thread = callingThread();
    raisedThread.store(thread);
    const QDBusMessage request =
        realtimeKitCall(Service, QStringLiteral("MakeThreadRealtime"),
                        {QVariant::fromValue(static_cast<quint64>(thread)),
                         QVariant::fromValue(static_cast<quint32>(RealtimePriority))});
    QDBusConnection bus = busAt(ways_.busAddress);
    auto* watcher = new QDBusPendingCallWatcher(
        bus.asyncCall(request, static_cast<int>(BusTimeout.count())), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, thread](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                asking_ = false;
                if (call->isError()) {
                    // A request that timed out may still be carried out later: the next
                    // end() lowers the thread once more.
                    unanswered_ = call->error().type() == QDBusError::NoReply;
                    raisedThread.store(0);
                    lowerToNormal(thread);
                    realtimeKitFailed();
                    return;
                }
                path_ = Path::RealtimeKit;
                if (wanted_) {
                    raised_ = true;
                } else {
                    raisedThread.store(0);
                    lowerToNormal(thread);
                }
            });
#endif
}

void RealtimeBoost::realtimeKitFailed()
{
    asking_ = false;
    kitFailedAt_ = std::chrono::steady_clock::now();
    if (wanted_) {
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

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "realtime_boost.h"

#if defined(Q_OS_LINUX)
#include <QDBusConnection>
#include <QDBusMessage>
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

QDBusMessage callRealtimeKit(QDBusConnection& bus, const QString& interface, const QString& method,
                             const QVariantList& arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(Service, ObjectPath, interface, method);
    call.setArguments(arguments);
    return bus.call(call, QDBus::Block, static_cast<int>(RealtimeBoost::BusTimeout.count()));
}

std::optional<qlonglong> realtimeKitProperty(QDBusConnection& bus, const QString& name)
{
    const QDBusMessage reply =
        callRealtimeKit(bus, QStringLiteral("org.freedesktop.DBus.Properties"),
                        QStringLiteral("Get"), {Service, name});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return std::nullopt;
    }
    bool ok = false;
    const qlonglong value =
        reply.arguments().constFirst().value<QDBusVariant>().variant().toLongLong(&ok);
    return ok ? std::optional(value) : std::nullopt;
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
    if (raised_ || raise()) {
        raised_ = true;
        limit_.start(atMost);
    }
}

void RealtimeBoost::end()
{
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

// A way that worked is asked first next time; after both failed, neither is asked again
// for a while, so that a missing or slow bus costs at most one short wait now and then.
bool RealtimeBoost::raise()
{
    if (path_ == Path::None && std::chrono::steady_clock::now() - failedAt_ < RetryAfter) {
        return false;
    }
    if (path_ == Path::Direct && raiseDirectly()) {
        return true;
    }
    if (askRealtimeKit()) {
        path_ = Path::RealtimeKit;
        return true;
    }
    if (raiseDirectly()) {
        path_ = Path::Direct;
        return true;
    }
    path_ = Path::None;
    failedAt_ = std::chrono::steady_clock::now();
    return false;
}

bool RealtimeBoost::askRealtimeKit()
{
#if defined(Q_OS_LINUX)
    if (!ways_.realtimeKit) {
        return false;
    }
    QDBusConnection bus = busAt(ways_.busAddress);
    if (!bus.isConnected()) {
        return false;
    }
    if (kitLongestRunUs_ <= 0) {
        const auto longestUs = realtimeKitProperty(bus, QStringLiteral("RTTimeUSecMax"));
        const auto maxPriority = realtimeKitProperty(bus, QStringLiteral("MaxRealtimePriority"));
        if (!longestUs || *longestUs <= 0 || !maxPriority || *maxPriority < RealtimePriority) {
            return false;
        }
        kitLongestRunUs_ = *longestUs;
    }
    limitRealtimeRun(static_cast<rlim_t>(kitLongestRunUs_));
    const pid_t thread = callingThread();
    raisedThread.store(thread);
    const QDBusMessage reply =
        callRealtimeKit(bus, Service, QStringLiteral("MakeThreadRealtime"),
                        {QVariant::fromValue(static_cast<quint64>(thread)),
                         QVariant::fromValue(static_cast<quint32>(RealtimePriority))});
    // A request that timed out may still raise the thread later: end() lowers it anyway.
    if (reply.type() != QDBusMessage::ReplyMessage) {
        raisedThread.store(0);
        lowerToNormal(thread);
        unanswered_ = true;
        return false;
    }
    return true;
#else
    return false;
#endif
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

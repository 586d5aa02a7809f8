// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QFileInfo>
#include <QList>

#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

namespace pabrel::testing {

// RealtimeKit's service on a test's own bus: its two limits, and MakeThreadRealtimeWithPID,
// which it grants (raising the thread for real where the test may), refuses, or carries out
// and never answers. Like RealtimeKit it refuses a thread that is not the named process's,
// and a process whose RLIMIT_RTTIME exceeds its limit.
class FakeRealtimeKit : public QDBusVirtualObject
{
    Q_OBJECT

public:
    enum class Reply
    {
        Grant,
        Refuse,
        Never,
    };
    struct Request
    {
        qulonglong process;
        qulonglong thread;
        uint priority;
        bool operator==(const Request&) const = default;
    };
    static constexpr qlonglong LongestRunUs = 50'000;

    FakeRealtimeKit(const QString& busAddress, Reply reply, int maxPriority)
        : bus_(QDBusConnection::connectToBus(busAddress, Name)), reply_(reply),
          maxPriority_(maxPriority)
    {
        registered_ = bus_.registerVirtualObject(Path, this) && bus_.registerService(Name);
    }
    ~FakeRealtimeKit() override
    {
        bus_.unregisterObject(Path);
        QDBusConnection::disconnectFromBus(Name);
    }

    bool isRegistered() const { return registered_; }
    const QList<Request>& requests() const { return requests_; }
    // As RealtimeKit may, carries out again the requests it never answered, long after.
    void carryOutUnanswered() const
    {
        if (reply_ != Reply::Never) {
            return;
        }
        for (const Request& request : requests_) {
            carryOut(request);
        }
    }

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        const QVariantList arguments = message.arguments();
        if (message.member() == QLatin1String("Get") && arguments.size() == 2) {
            const bool longest = arguments[1] == QLatin1String("RTTimeUSecMax");
            const QVariant value = longest ? QVariant(LongestRunUs) : QVariant(maxPriority_);
            return connection.send(message.createReply(QVariant::fromValue(QDBusVariant(value))));
        }
        if (message.member() != QLatin1String("MakeThreadRealtimeWithPID") ||
            arguments.size() != 3) {
            return false;
        }
        const Request request{arguments[0].toULongLong(), arguments[1].toULongLong(),
                              arguments[2].toUInt()};
        requests_.append(request);
        const bool ofProcess = QFileInfo::exists(
            QStringLiteral("/proc/%1/task/%2").arg(request.process).arg(request.thread));
        rlimit limit{};
        getrlimit(RLIMIT_RTTIME, &limit);
        if (reply_ == Reply::Refuse || !ofProcess ||
            limit.rlim_max > static_cast<rlim_t>(LongestRunUs)) {
            return connection.send(message.createErrorReply(QDBusError::AccessDenied, {}));
        }
        carryOut(request);
        return reply_ == Reply::Never || connection.send(message.createReply());
    }

private:
    static void carryOut(const Request& request)
    {
        if (geteuid() == 0) {
            sched_param param{};
            param.sched_priority = static_cast<int>(request.priority);
            sched_setscheduler(static_cast<pid_t>(request.thread), SCHED_RR | SCHED_RESET_ON_FORK,
                               &param);
        }
    }

    static constexpr const char* Name = "org.freedesktop.RealtimeKit1";
    static constexpr const char* Path = "/org/freedesktop/RealtimeKit1";

    QDBusConnection bus_;
    Reply reply_;
    int maxPriority_;
    bool registered_ = false;
    QList<Request> requests_;
};

} // namespace pabrel::testing

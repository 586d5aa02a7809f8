// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fake_realtime_kit.h"

#include <QDBusMessage>
#include <QDBusVariant>

#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

namespace pabrel::testing {

namespace {
const QString Service = QStringLiteral("org.freedesktop.RealtimeKit1");
const QString ObjectPath = QStringLiteral("/org/freedesktop/RealtimeKit1");
const QString ConnectionName = QStringLiteral("fake-realtime-kit");
} // namespace

FakeRealtimeKit::FakeRealtimeKit(const QString& busAddress, Reply reply, int maxPriority)
    : bus_(QDBusConnection::connectToBus(busAddress, ConnectionName)), reply_(reply),
      maxPriority_(maxPriority)
{
    registered_ = bus_.registerVirtualObject(ObjectPath, this) && bus_.registerService(Service);
}

FakeRealtimeKit::~FakeRealtimeKit()
{
    bus_.unregisterService(Service);
    bus_.unregisterObject(ObjectPath);
    QDBusConnection::disconnectFromBus(ConnectionName);
}

QString FakeRealtimeKit::introspect(const QString&) const
{
    return {};
}

bool FakeRealtimeKit::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    if (message.member() == QLatin1String("MakeThreadRealtime")) {
        makeThreadRealtime(message, connection);
        return true;
    }
    if (message.member() != QLatin1String("Get") || message.arguments().size() != 2) {
        return false;
    }
    const QString name = message.arguments().at(1).toString();
    QVariant value;
    if (name == QLatin1String("RTTimeUSecMax")) {
        value = LongestRunUs;
    } else if (name == QLatin1String("MaxRealtimePriority")) {
        value = maxPriority_;
    } else {
        return false;
    }
    connection.send(message.createReply(QVariant::fromValue(QDBusVariant(value))));
    return true;
}

void FakeRealtimeKit::makeThreadRealtime(const QDBusMessage& message,
                                         const QDBusConnection& connection)
{
    const Request request{message.arguments().value(0).toULongLong(),
                          message.arguments().value(1).toUInt()};
    requests_.append(request);
    rlimit limit{};
    getrlimit(RLIMIT_RTTIME, &limit);
    if (reply_ == Reply::Refuse || limit.rlim_max > static_cast<rlim_t>(LongestRunUs)) {
        connection.send(message.createErrorReply(QDBusError::AccessDenied, QString()));
        return;
    }
    if (geteuid() == 0) {
        sched_param param{};
        param.sched_priority = static_cast<int>(request.priority);
        sched_setscheduler(static_cast<pid_t>(request.thread), SCHED_RR | SCHED_RESET_ON_FORK,
                           &param);
    }
    if (reply_ == Reply::Grant) {
        connection.send(message.createReply());
    }
}

} // namespace pabrel::testing

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "realtime_kit_link.h"

#include <QMetaObject>

#include <condition_variable>
#include <cstdlib>
#include <dbus/dbus.h>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <system_error>
#include <thread>

namespace pabrel::realtime {

namespace {
struct Job
{
    enum class Kind
    {
        Connect,
        MakeThreadRealtime,
    };
    Kind kind = Kind::Connect;
    qint64 process = 0;
    qint64 thread = 0;
    quint32 priority = 0;
};
} // namespace

// Shared by the link and its thread, which outlives the link while the bus holds it up.
struct RealtimeKitQueue
{
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Job> jobs;
    // Cleared when the link goes: the thread then finishes.
    RealtimeKitLink* link = nullptr;
};

namespace {
using Clock = std::chrono::steady_clock;

constexpr const char* Service = "org.freedesktop.RealtimeKit1";
constexpr const char* ObjectPath = "/org/freedesktop/RealtimeKit1";
// libdbus's own default, which it does not export.
constexpr const char* SystemBusAddress = "unix:path=/run/dbus/system_bus_socket";

struct MessageRelease
{
    void operator()(DBusMessage* message) const { dbus_message_unref(message); }
};
using Message = std::unique_ptr<DBusMessage, MessageRelease>;

struct Reply
{
    enum class Status
    {
        Returned,
        Failed,
        Unanswered,
        Lost,
    };
    Status status;
    Message message;
};

std::string systemBusAddress()
{
    const char* address = std::getenv("DBUS_SYSTEM_BUS_ADDRESS");
    return address != nullptr && *address != '\0' ? address : SystemBusAddress;
}

Message methodCall(const char* destination, const char* path, const char* interface,
                   const char* method)
{
    return Message(dbus_message_new_method_call(destination, path, interface, method));
}

// Any integer in a property's variant, which is how RealtimeKit gives its limits.
std::optional<qint64> integerIn(DBusMessage* reply)
{
    DBusMessageIter arguments;
    DBusMessageIter value;
    if (!dbus_message_iter_init(reply, &arguments) ||
        dbus_message_iter_get_arg_type(&arguments) != DBUS_TYPE_VARIANT) {
        return std::nullopt;
    }
    dbus_message_iter_recurse(&arguments, &value);
    DBusBasicValue number{};
    switch (dbus_message_iter_get_arg_type(&value)) {
    case DBUS_TYPE_INT32:
        dbus_message_iter_get_basic(&value, &number);
        return number.i32;
    case DBUS_TYPE_UINT32:
        dbus_message_iter_get_basic(&value, &number);
        return number.u32;
    case DBUS_TYPE_INT64:
        dbus_message_iter_get_basic(&value, &number);
        return number.i64;
    default:
        return std::nullopt;
    }
}

// One private connection, used by the link's thread alone. libdbus's blocking calls wait
// without a limit while the bus has not yet authenticated the connection, so every call
// here runs the connection itself against a deadline of its own.
class BusConnection
{
public:
    explicit BusConnection(std::chrono::milliseconds timeout) : timeout_(timeout) {}
    ~BusConnection() { close(); }
    BusConnection(const BusConnection&) = delete;
    BusConnection& operator=(const BusConnection&) = delete;

    bool isOpen() const { return connection_ != nullptr; }

    bool open(const std::string& address)
    {
        DBusError error;
        dbus_error_init(&error);
        connection_ = dbus_connection_open_private(address.c_str(), &error);
        dbus_error_free(&error);
        if (connection_ == nullptr) {
            return false;
        }
        Reply hello =
            call(methodCall(DBUS_SERVICE_DBUS, DBUS_PATH_DBUS, DBUS_INTERFACE_DBUS, "Hello"));
        if (hello.status != Reply::Status::Returned) {
            close();
            return false;
        }
        return true;
    }

    void close()
    {
        if (connection_ != nullptr) {
            dbus_connection_close(connection_);
            dbus_connection_unref(connection_);
            connection_ = nullptr;
        }
    }

    Reply call(Message request)
    {
        DBusPendingCall* pending = nullptr;
        if (!request ||
            !dbus_connection_send_with_reply(connection_, request.get(), &pending,
                                             static_cast<int>(timeout_.count())) ||
            pending == nullptr) {
            close();
            return {Reply::Status::Lost, nullptr};
        }
        const auto deadline = Clock::now() + timeout_;
        while (!dbus_pending_call_get_completed(pending)) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) {
                dbus_pending_call_cancel(pending);
                dbus_pending_call_unref(pending);
                return {Reply::Status::Unanswered, nullptr};
            }
            if (!dbus_connection_read_write_dispatch(connection_, static_cast<int>(left.count()))) {
                dbus_pending_call_unref(pending);
                close();
                return {Reply::Status::Lost, nullptr};
            }
        }
        Message reply(dbus_pending_call_steal_reply(pending));
        dbus_pending_call_unref(pending);
        if (!dbus_connection_get_is_connected(connection_)) {
            close();
            return {Reply::Status::Lost, nullptr};
        }
        return {statusOf(reply.get()), std::move(reply)};
    }

private:
    static Reply::Status statusOf(DBusMessage* reply)
    {
        if (dbus_message_get_type(reply) != DBUS_MESSAGE_TYPE_ERROR) {
            return Reply::Status::Returned;
        }
        return dbus_message_is_error(reply, DBUS_ERROR_NO_REPLY) ? Reply::Status::Unanswered
                                                                 : Reply::Status::Failed;
    }

    std::chrono::milliseconds timeout_;
    DBusConnection* connection_ = nullptr;
};

std::optional<qint64> readProperty(BusConnection& bus, const char* name)
{
    Message get = methodCall(Service, ObjectPath, DBUS_INTERFACE_PROPERTIES, "Get");
    if (!get || !dbus_message_append_args(get.get(), DBUS_TYPE_STRING, &Service, DBUS_TYPE_STRING,
                                          &name, DBUS_TYPE_INVALID)) {
        return std::nullopt;
    }
    const Reply reply = bus.call(std::move(get));
    return reply.status == Reply::Status::Returned ? integerIn(reply.message.get()) : std::nullopt;
}

RealtimeKitLink::Answer makeThreadRealtime(BusConnection& bus, const Job& job)
{
    using Answer = RealtimeKitLink::Answer;
    if (!bus.isOpen()) {
        return Answer::Lost;
    }
    Message request = methodCall(Service, ObjectPath, Service, "MakeThreadRealtimeWithPID");
    const auto process = static_cast<dbus_uint64_t>(job.process);
    const auto thread = static_cast<dbus_uint64_t>(job.thread);
    const dbus_uint32_t priority = job.priority;
    if (!request ||
        !dbus_message_append_args(request.get(), DBUS_TYPE_UINT64, &process, DBUS_TYPE_UINT64,
                                  &thread, DBUS_TYPE_UINT32, &priority, DBUS_TYPE_INVALID)) {
        return Answer::Refused;
    }
    switch (bus.call(std::move(request)).status) {
    case Reply::Status::Returned:
        return Answer::Granted;
    case Reply::Status::Failed:
        return Answer::Refused;
    case Reply::Status::Unanswered:
        return Answer::Unanswered;
    case Reply::Status::Lost:
        return Answer::Lost;
    }
    return Answer::Lost;
}

// Hands `signal` to the link on its own thread, unless the link is gone.
template <typename Signal>
void deliver(RealtimeKitQueue& queue, Signal signal)
{
    const std::lock_guard lock(queue.mutex);
    if (RealtimeKitLink* link = queue.link) {
        QMetaObject::invokeMethod(
            link, [link, signal] { signal(link); }, Qt::QueuedConnection);
    }
}

void post(RealtimeKitQueue& queue, const Job& job)
{
    const std::lock_guard lock(queue.mutex);
    queue.jobs.push_back(job);
    queue.wake.notify_one();
}

std::optional<Job> nextJob(RealtimeKitQueue& queue)
{
    std::unique_lock lock(queue.mutex);
    queue.wake.wait(lock, [&] { return queue.link == nullptr || !queue.jobs.empty(); });
    if (queue.link == nullptr) {
        return std::nullopt;
    }
    const Job job = queue.jobs.front();
    queue.jobs.pop_front();
    return job;
}

void serve(std::shared_ptr<RealtimeKitQueue> queue, std::string address,
           std::chrono::milliseconds timeout)
{
    BusConnection bus(timeout);
    while (const std::optional<Job> job = nextJob(*queue)) {
        if (job->kind == Job::Kind::MakeThreadRealtime) {
            const auto answer = makeThreadRealtime(bus, *job);
            deliver(*queue, [thread = job->thread, answer](RealtimeKitLink* link) {
                emit link->answered(thread, answer);
            });
            continue;
        }
        const bool open = bus.isOpen() || bus.open(address);
        const std::optional<qint64> longestUs =
            open ? readProperty(bus, "RTTimeUSecMax") : std::nullopt;
        const std::optional<qint64> maxPriority =
            longestUs ? readProperty(bus, "MaxRealtimePriority") : std::nullopt;
        if (!maxPriority) {
            deliver(*queue, [](RealtimeKitLink* link) { emit link->unreachable(); });
            continue;
        }
        deliver(*queue,
                [longestUs = *longestUs, maxPriority = *maxPriority](RealtimeKitLink* link) {
                    emit link->connected(longestUs, maxPriority);
                });
    }
}
} // namespace

RealtimeKitLink::RealtimeKitLink(const QString& busAddress, std::chrono::milliseconds timeout,
                                 QObject* parent)
    : QObject(parent), queue_(std::make_shared<RealtimeKitQueue>())
{
    queue_->link = this;
    const std::string address =
        busAddress.isEmpty() ? systemBusAddress() : busAddress.toStdString();
    try {
        std::thread(serve, queue_, address, timeout).detach();
    } catch (const std::system_error&) {
        // No thread to be had: RealtimeKit is unreachable, and the boost does without it.
        queue_->link = nullptr;
    }
}

RealtimeKitLink::~RealtimeKitLink()
{
    const std::lock_guard lock(queue_->mutex);
    queue_->link = nullptr;
    queue_->jobs.clear();
    queue_->wake.notify_one();
}

void RealtimeKitLink::connectToKit()
{
    // Only this thread sets the link in the queue, and leaves it empty only where no thread
    // could be had to serve it.
    if (queue_->link == nullptr) {
        QMetaObject::invokeMethod(this, &RealtimeKitLink::unreachable, Qt::QueuedConnection);
        return;
    }
    post(*queue_, Job{Job::Kind::Connect});
}

void RealtimeKitLink::makeThreadRealtime(qint64 process, qint64 thread, quint32 priority)
{
    post(*queue_, Job{Job::Kind::MakeThreadRealtime, process, thread, priority});
}

} // namespace pabrel::realtime

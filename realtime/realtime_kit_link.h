// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <chrono>
#include <memory>

namespace pabrel::realtime {

// The link's requests, and its thread's way back to it.
struct RealtimeKitQueue;

// RealtimeKit over a bus connection of its own, served by a thread of its own: the thread
// that asks never waits for the bus. A bus that is slow, wedged or gone costs it nothing,
// and holds up no other D-Bus traffic of the program either (Qt's connections, such as the
// screen reader's, all share one thread, which a bus that never answers would stop).
// Every exchange, connecting included, gives up after `timeout`.
//
// Requests are served in order; their answers come as signals on the link's thread. None
// comes after the link is destroyed, and destroying it never waits for the bus.
class RealtimeKitLink : public QObject
{
    Q_OBJECT

public:
    enum class Answer
    {
        Granted,
        Refused,
        // Not answered in time; RealtimeKit may yet carry it out.
        Unanswered,
        // The bus went away; connectToKit() again to ask once more.
        Lost,
    };

    // An empty address stands for the system bus.
    RealtimeKitLink(const QString& busAddress, std::chrono::milliseconds timeout, QObject* parent);
    ~RealtimeKitLink() override;

    // Connects unless connected, then reads RealtimeKit's limits.
    void connectToKit();
    // Asks that `thread` of `process` be raised to `priority`: RealtimeKit checks that the
    // one belongs to the other, and the process to the caller's user.
    void makeThreadRealtime(qint64 process, qint64 thread, quint32 priority);

signals:
    // RTTimeUSecMax and MaxRealtimePriority, as RealtimeKit gives them.
    void connected(qint64 longestRunUs, qint64 maxPriority);
    void unreachable();
    void answered(qint64 thread, pabrel::realtime::RealtimeKitLink::Answer answer);

private:
    std::shared_ptr<RealtimeKitQueue> queue_;
};

} // namespace pabrel::realtime

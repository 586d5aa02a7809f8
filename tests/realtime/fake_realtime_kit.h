// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QList>

namespace pabrel::testing {

// RealtimeKit's service on a test's own bus: its two limits, and MakeThreadRealtime, which
// it grants (raising the thread for real where the test may), refuses, or takes and never
// answers. Like RealtimeKit it refuses a process whose RLIMIT_RTTIME exceeds its limit.
class FakeRealtimeKit : public QDBusVirtualObject
{
    Q_OBJECT

public:
    enum class Reply
    {
        Grant,
        Refuse,
        // Carries the request out but never answers.
        Never,
    };
    struct Request
    {
        qulonglong thread;
        uint priority;
        bool operator==(const Request&) const = default;
    };
    static constexpr qlonglong LongestRunUs = 50'000;

    FakeRealtimeKit(const QString& busAddress, Reply reply, int maxPriority);
    ~FakeRealtimeKit() override;

    bool isRegistered() const { return registered_; }
    const QList<Request>& requests() const { return requests_; }

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    void makeThreadRealtime(const QDBusMessage& message, const QDBusConnection& connection);

    QDBusConnection bus_;
    Reply reply_;
    int maxPriority_;
    bool registered_ = false;
    QList<Request> requests_;
};

} // namespace pabrel::testing

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "record_error.h"
#include "record_store.h"
#include "round_record.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <memory>

namespace pabrel::records {

// Writes finished rounds to the records file on a thread of its own, so that play never
// waits for the disk or for another window's lock. An existing file is opened and checked
// at once; a missing one is made with the first round. The first failure turns recording
// off for the rest of the run and is reported once.
class RecordWriter : public QObject
{
    Q_OBJECT

public:
    explicit RecordWriter(const QString& file,
                          int busyTimeoutMs = RecordStore::DefaultBusyTimeoutMs,
                          QObject* parent = nullptr);
    // Writes what was handed over before it returns.
    ~RecordWriter() override;

    void write(const RoundRecord& round);
    // While held, rounds wait instead of being written (a write already under way ends
    // first). Releasing writes those that waited.
    void holdWrites(bool held);
    // Returns once everything handed over so far is written or has failed: the tests and the
    // benchmark wait so, and the destructor does.
    void waitUntilWritten();

signals:
    void written(const pabrel::records::RoundRecord& round);
    void failed(const pabrel::records::RecordError& error);

private:
    struct Worker;

    void runOnThread(std::function<void(Worker&)> job);

    std::atomic<bool> held_{false};
    QThread thread_;
    QObject* threadContext_;
    std::unique_ptr<Worker> worker_;
};

} // namespace pabrel::records

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "record_writer.h"

#include <QFileInfo>

#include <deque>

namespace pabrel::records {

// Lives on the writer's thread: the database connection may only be used there.
struct RecordWriter::Worker
{
    RecordWriter& owner;
    QString file;
    int busyTimeoutMs;
    std::unique_ptr<RecordStore> store;
    std::deque<RoundRecord> waiting;
    bool off = false;

    void write(const RoundRecord& round)
    {
        if (off || !ensureOpen()) {
            return;
        }
        if (!fail(store->add(round))) {
            QMetaObject::invokeMethod(
                &owner, [owner = &owner, round] { emit owner->written(round); },
                Qt::QueuedConnection);
        }
    }

    bool ensureOpen()
    {
        if (store) {
            return true;
        }
        store = std::make_unique<RecordStore>(file, busyTimeoutMs);
        if (fail(store->open(RecordStore::Opening::CreateIfMissing))) {
            return false;
        }
        qCDebug(recordsLog).noquote() << "recording to" << file;
        return true;
    }

    bool fail(const std::optional<RecordError>& failure)
    {
        if (failure) {
            qCDebug(recordsLog).noquote()
                << "recording is off:" << failure->file << "-"
                << (failure->detail.isEmpty() ? failure->line(RecordError::Use::Recording)
                                              : failure->detail);
            off = true;
            store.reset();
            QMetaObject::invokeMethod(
                &owner, [owner = &owner, error = *failure] { emit owner->failed(error); },
                Qt::QueuedConnection);
        }
        return failure.has_value();
    }
};

RecordWriter::RecordWriter(const QString& file, int busyTimeoutMs, QObject* parent)
    : QObject(parent), threadContext_(new QObject),
      worker_(std::make_unique<Worker>(Worker{*this, file, busyTimeoutMs, {}, {}}))
{
    thread_.setObjectName(QStringLiteral("records"));
    threadContext_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, threadContext_, &QObject::deleteLater);
    thread_.start(QThread::LowPriority);
    if (QFileInfo::exists(file)) {
        runOnThread([](Worker& worker) { worker.ensureOpen(); });
    }
}

RecordWriter::~RecordWriter()
{
    holdWrites(false);
    waitUntilWritten();
    runOnThread([](Worker& worker) { worker.store.reset(); });
    waitUntilWritten();
    thread_.quit();
    thread_.wait();
}

void RecordWriter::write(const RoundRecord& round)
{
    runOnThread([round, held = &held_](Worker& worker) {
        if (*held) {
            worker.waiting.push_back(round);
        } else {
            worker.write(round);
        }
    });
}

void RecordWriter::holdWrites(bool held)
{
    held_ = held;
    if (!held) {
        runOnThread([held = &held_](Worker& worker) {
            while (!*held && !worker.waiting.empty()) {
                worker.write(worker.waiting.front());
                worker.waiting.pop_front();
            }
        });
    }
}

void RecordWriter::waitUntilWritten()
{
    // Jobs run in the order they were posted, so an empty one returns after all of them.
    QMetaObject::invokeMethod(
        threadContext_, [] {}, Qt::BlockingQueuedConnection);
}

void RecordWriter::runOnThread(std::function<void(Worker&)> job)
{
    QMetaObject::invokeMethod(
        threadContext_, [worker = worker_.get(), job = std::move(job)] { job(*worker); },
        Qt::QueuedConnection);
}

} // namespace pabrel::records

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSqlDatabase>
#include <QSqlError>

namespace pabrel::records {

// Statements that take effect together or not at all: begun when made, rolled back when
// destroyed unless commit() succeeded first.
class Transaction
{
public:
    enum class Lock
    {
        // Takes the file's locks as its statements need them.
        Deferred,
        // Takes the write lock at once, waiting for another writer to finish.
        Immediate,
    };

    explicit Transaction(QSqlDatabase database, Lock lock = Lock::Deferred);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Whether it began; error() says why not.
    bool isActive() const { return active_; }
    bool commit();
    // Why it did not begin or commit.
    const QSqlError& error() const { return error_; }

private:
    bool execute(const char* statement);

    QSqlDatabase database_;
    QSqlError error_;
    bool active_ = false;
};

} // namespace pabrel::records

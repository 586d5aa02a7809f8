// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "transaction.h"

#include <QSqlQuery>

namespace pabrel::records {

Transaction::Transaction(QSqlDatabase database, Lock lock) : database_(std::move(database))
{
    active_ = execute(lock == Lock::Immediate ? "BEGIN IMMEDIATE" : "BEGIN");
}

Transaction::~Transaction()
{
    if (active_) {
        execute("ROLLBACK");
    }
}

// A commit that fails leaves the transaction open, to be rolled back.
bool Transaction::commit()
{
    if (!active_ || !execute("COMMIT")) {
        return false;
    }
    active_ = false;
    return true;
}

bool Transaction::execute(const char* statement)
{
    QSqlQuery query(database_);
    if (query.exec(QString::fromLatin1(statement))) {
        return true;
    }
    error_ = query.lastError();
    return false;
}

} // namespace pabrel::records

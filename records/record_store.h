// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "record_error.h"
#include "round_record.h"

#include <QString>

#include <optional>

class QSqlDatabase;
class QSqlError;
class QSqlQuery;

namespace pabrel::records {

// The records file: an SQLite database of one row per finished round, reached through its
// own connection. It opens, checks and migrates the file, and writes and erases rounds;
// readers of the figures run their queries through it. Each call stands alone and commits
// before it returns, so a crash loses nothing that a call reported as written. Any failure
// leaves the file as it was and says why; the caller is expected to stop using the store
// then.
class RecordStore
{
public:
    // What PRAGMA user_version holds once the schema is up to date.
    static constexpr int SchemaVersion = 3;
    static constexpr int DefaultBusyTimeoutMs = 3000;

    enum class Opening
    {
        // For writing: makes the folder (private to the user) and the file when missing.
        CreateIfMissing,
        // For reading: a missing file is an error.
        ExistingOnly,
    };

    explicit RecordStore(QString file, int busyTimeoutMs = DefaultBusyTimeoutMs);
    ~RecordStore();
    RecordStore(const RecordStore&) = delete;
    RecordStore& operator=(const RecordStore&) = delete;

    // Opens the file and checks that it holds Pabrel's records of this or an earlier
    // schema. Opened for writing, an earlier schema is brought up to date; opened for
    // reading, it is read as it is.
    std::optional<RecordError> open(Opening opening);
    // The schema of the open file.
    int schemaVersion() const { return version_; }
    std::optional<RecordError> add(const RoundRecord& round);
    // Erases every round, overwriting their bytes in the file.
    std::optional<RecordError> eraseAll();

    // For the readers: the open connection, and a query run on it with its failure told
    // as a RecordError about this file.
    QSqlDatabase database() const;
    std::optional<RecordError> run(QSqlQuery& query, const QString& statement = {}) const;
    RecordError error(const QSqlError& sqlError) const;

private:
    std::optional<RecordError> openOnce(Opening opening);
    std::optional<RecordError> openConnection(Opening opening);
    void closeConnection();
    std::optional<RecordError> checkSchema(int& version, bool readEveryPage);
    std::optional<RecordError> checkNames(int version);
    std::optional<RecordError> migrateFrom(int& version);
    std::optional<RecordError> migrateOneStep(int& version);
    RecordError error(RecordError::Kind kind, const QString& detail = {}) const;

    QString file_;
    QString connection_;
    int busyTimeoutMs_;
    int version_ = 0;
};

} // namespace pabrel::records

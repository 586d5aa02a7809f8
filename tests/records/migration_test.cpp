// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Files of earlier schemas, before each round said how its digits were given (the first) or
// in which order they were answered (the second): read as they are, and brought up to date
// in place by the game, even when it is killed on the way.

#include "record_files.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace pabrel::testing {
namespace {

using records::RecordStore;

// A file as the schema `version` wrote it, with `rounds` rounds; in the second, every
// other one was read aloud. Each schema only added columns to the one before.
void makeEarlierSchemaFile(const QString& path, int rounds, int version)
{
    {
        RecordStore store(path);
        openForWriting(store);
    }
    querySql(path, QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n"
                                  " WHERE i < %1) INSERT INTO rounds (started_at, level, shown,"
                                  " typed, outcome, display_ms, answer_ms, presentation)"
                                  " SELECT '2026-01-01T00:00:00.000Z', 1 + i % 8, '1234', '12x',"
                                  " 'wrong', 300, i, iif(i % 2, 'spoken', 'shown') FROM n")
                       .arg(rounds));
    const std::pair<int, const char*> added[] = {{3, "answer_order"}, {2, "presentation"}};
    for (const auto& [since, column] : added) {
        if (version < since) {
            querySql(path, QStringLiteral("ALTER TABLE rounds DROP COLUMN %1").arg(column));
        }
    }
    querySql(path, QStringLiteral("PRAGMA user_version = %1").arg(version));
}

constexpr int EarlierVersions[] = {1, 2};

class Migration : public ::testing::Test
{
protected:
    QTemporaryDir home;
    QString file = home.filePath(QStringLiteral("records.sqlite3"));
};

TEST_F(Migration, ReadersTakeAnEarlierSchemaAsItIsAndTheGameBringsItUpToDate)
{
    for (const int version : EarlierVersions) {
        SCOPED_TRACE(version);
        QFile::remove(file);
        makeEarlierSchemaFile(file, 3, version);
        const QStringList first = {
            "2026-01-01T00:00:00.000Z",        "2",      "1234", "12x", "wrong", "300", "", "1",
            version == 1 ? "shown" : "spoken", "forward"};
        for (const RecordStore::Opening opening :
             {RecordStore::Opening::ExistingOnly, RecordStore::Opening::CreateIfMissing}) {
            RecordStore store(file);
            ASSERT_FALSE(store.open(opening));
            EXPECT_EQ(querySql(file, QStringLiteral("PRAGMA user_version")).toInt(),
                      opening == RecordStore::Opening::ExistingOnly ? version
                                                                    : RecordStore::SchemaVersion);
            EXPECT_EQ(rowsOf(file).at(0), first);
        }
    }
    // The new columns take only what the game writes.
    for (const char* column : {"presentation", "answer_order"}) {
        EXPECT_EQ(querySql(file, QStringLiteral("INSERT INTO rounds (started_at, level, shown,"
                                                " typed, outcome, display_ms, %1) VALUES ('', 1,"
                                                " '', '', 'wrong', 0, 'sung') RETURNING id")
                                     .arg(column)),
                  QString());
    }
}

TEST_F(Migration, AKillWhileMigratingLeavesASchemaWithEveryRowWhole)
{
    constexpr int Rounds = 20'000;
    const QString original = home.filePath(QStringLiteral("earlier.sqlite3"));
    for (const int earlier : EarlierVersions) {
        QFile::remove(original);
        makeEarlierSchemaFile(original, Rounds, earlier);
        for (const int killAfterMs : {0, 2, 5, 10, 20, 40}) {
            SCOPED_TRACE(::testing::Message() << earlier << " killed after " << killAfterMs);
            QFile::remove(file);
            ASSERT_TRUE(QFile::copy(original, file));
            QProcess child;
            child.start(QStringLiteral(WRITER_CHILD), {file, QStringLiteral("0")});
            ASSERT_TRUE(child.waitForStarted());
            QThread::msleep(killAfterMs);
            child.kill();
            child.waitForFinished();
            const int version = querySql(file, QStringLiteral("PRAGMA user_version")).toInt();
            EXPECT_GE(version, earlier);
            EXPECT_LE(version, RecordStore::SchemaVersion);
            EXPECT_EQ(querySql(file, QStringLiteral("PRAGMA integrity_check")), "ok");
            RecordStore store(file);
            openForWriting(store);
            // Every row whole, and every one read aloud still so.
            EXPECT_EQ(querySql(file, QStringLiteral("SELECT printf('%d %d', count(*),"
                                                    " total(presentation = 'spoken')) FROM rounds"
                                                    " WHERE answer_ms BETWEEN 1 AND %1 AND"
                                                    " outcome = 'wrong'")
                                         .arg(Rounds)),
                      QStringLiteral("%1 %2").arg(Rounds).arg(earlier == 2 ? Rounds / 2 : 0));
        }
    }
}

} // namespace
} // namespace pabrel::testing

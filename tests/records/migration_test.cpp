// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Files of the first schema, before each round said how its digits were given: read as they
// are, and brought up to date in place by the game, even when it is killed on the way.

#include "record_files.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace pabrel::testing {
namespace {

using records::RecordStore;

// A file as the first schema wrote it, with `rounds` rounds.
void makeFirstSchemaFile(const QString& path, int rounds)
{
    querySql(path, QStringLiteral("CREATE TABLE rounds (id INTEGER PRIMARY KEY,"
                                  " started_at TEXT NOT NULL,"
                                  " level INTEGER NOT NULL CHECK (level BETWEEN 1 AND 8),"
                                  " shown TEXT NOT NULL, typed TEXT NOT NULL,"
                                  " outcome TEXT NOT NULL CHECK (outcome IN ('correct', 'wrong',"
                                  " 'gave-up')), display_ms INTEGER NOT NULL, painted_ms REAL,"
                                  " answer_ms INTEGER)"));
    querySql(path, QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n"
                                  " WHERE i < %1) INSERT INTO rounds (started_at, level, shown,"
                                  " typed, outcome, display_ms, answer_ms)"
                                  " SELECT '2026-01-01T00:00:00.000Z', 1 + i % 8, '1234', '12x',"
                                  " 'wrong', 300, i FROM n")
                       .arg(rounds));
    querySql(path, QStringLiteral("PRAGMA user_version = 1"));
}

class Migration : public ::testing::Test
{
protected:
    QTemporaryDir home;
    QString file = home.filePath(QStringLiteral("records.sqlite3"));
};

TEST_F(Migration, ReadersTakeTheFirstSchemaAsItIsAndTheGameBringsItUpToDate)
{
    makeFirstSchemaFile(file, 3);
    const QStringList first = {
        "2026-01-01T00:00:00.000Z", "2", "1234", "12x", "wrong", "300", "", "1", "shown"};
    for (const RecordStore::Opening opening :
         {RecordStore::Opening::ExistingOnly, RecordStore::Opening::CreateIfMissing}) {
        RecordStore store(file);
        ASSERT_FALSE(store.open(opening));
        const bool writing = opening == RecordStore::Opening::CreateIfMissing;
        EXPECT_EQ(store.schemaVersion(), writing ? 2 : 1);
        EXPECT_EQ(querySql(file, QStringLiteral("PRAGMA user_version")), writing ? "2" : "1");
        const auto rows = rowsOf(file);
        ASSERT_EQ(rows.size(), 3u);
        EXPECT_EQ(rows.front(), first);
    }
    // The new column takes only what the game writes.
    EXPECT_EQ(querySql(file, QStringLiteral("INSERT INTO rounds (started_at, level, shown, typed,"
                                            " outcome, display_ms, presentation) VALUES ('', 1,"
                                            " '', '', 'wrong', 0, 'sung') RETURNING id")),
              QString());
}

TEST_F(Migration, AKillWhileMigratingLeavesEitherSchemaWithEveryRowWhole)
{
    constexpr int Rounds = 20'000;
    const QString original = home.filePath(QStringLiteral("first.sqlite3"));
    makeFirstSchemaFile(original, Rounds);
    for (const int killAfterMs : {0, 2, 5, 10, 20, 40}) {
        SCOPED_TRACE(killAfterMs);
        QFile::remove(file);
        ASSERT_TRUE(QFile::copy(original, file));
        QProcess child;
        child.start(QStringLiteral(WRITER_CHILD), {file, QStringLiteral("0")});
        ASSERT_TRUE(child.waitForStarted());
        QThread::msleep(killAfterMs);
        child.kill();
        child.waitForFinished();
        const QString version = querySql(file, QStringLiteral("PRAGMA user_version"));
        EXPECT_TRUE(version == "1" || version == "2") << version.toStdString();
        EXPECT_EQ(querySql(file, QStringLiteral("PRAGMA integrity_check")), "ok");
        EXPECT_EQ(querySql(file, QStringLiteral("SELECT count(*) FROM rounds WHERE answer_ms"
                                                " BETWEEN 1 AND %1 AND outcome = 'wrong'")
                                     .arg(Rounds)),
                  QString::number(Rounds));
        RecordStore store(file);
        openForWriting(store);
        EXPECT_EQ(rowsOf(file).size(), std::size_t(Rounds));
    }
}

} // namespace
} // namespace pabrel::testing

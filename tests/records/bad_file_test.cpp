// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Files that cannot hold the records, each made for real in a temporary folder: every one
// is refused with its reason and left exactly as it was.

#include "record_files.h"
#include "record_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <functional>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

namespace pabrel::testing {
namespace {

using records::RecordError;
using records::RecordStore;
using Kind = RecordError::Kind;

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void makeRecords(const QString& path, int rounds, int version = RecordStore::SchemaVersion)
{
    {
        RecordStore store(path);
        openForWriting(store);
    }
    // Many pages' worth in one statement.
    querySql(path, QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n"
                                  " WHERE i < %1) INSERT INTO rounds (started_at, level, shown,"
                                  " typed, outcome, display_ms) SELECT '2026-01-01T00:00:00.000Z',"
                                  " 3, '1234', '12x', 'wrong', 300 FROM n")
                       .arg(rounds));
    querySql(path, QStringLiteral("PRAGMA user_version = %1").arg(version));
    // Everything into the main file, so that it can be cut short.
    querySql(path, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
}

QByteArray randomBytes(int size)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator generator(8);
    for (char& byte : bytes) {
        byte = static_cast<char>(generator.bounded(256));
    }
    return bytes;
}

class BadFile : public ::testing::Test
{
protected:
    QTemporaryDir home;
    QString file = home.filePath(QStringLiteral("pabrel/records.sqlite3"));
};

TEST_F(BadFile, IsRefusedWithItsReasonAndLeftAsItWas)
{
    const struct
    {
        const char* what;
        std::function<void(const QString& file)> make;
        Kind kind;
        // The path that must come through unchanged, if not the file itself.
        QString kept;
    } cases[] = {
        {"random bytes",
         [](const QString& f) { writeFile(f, randomBytes(8192)); },
         Kind::NotRecords,
         {}},
        {"a text file",
         [](const QString& f) { writeFile(f, QStringLiteral("記録\nlevel,7\n").toUtf8()); },
         Kind::NotRecords,
         {}},
        {"a truncated file",
         [](const QString& f) {
             makeRecords(f, 3000);
             QFile(f).resize(QFileInfo(f).size() / 2);
         },
         Kind::NotRecords,
         {}},
        {"a damaged page",
         [](const QString& f) {
             makeRecords(f, 3000);
             QFile damaged(f);
             damaged.open(QIODevice::ReadWrite);
             damaged.seek(damaged.size() / 2);
             damaged.write(randomBytes(4096));
         },
         Kind::NotRecords,
         {}},
        {"another program's database",
         [](const QString& f) {
             QDir().mkpath(QFileInfo(f).absolutePath());
             querySql(f, QStringLiteral("CREATE TABLE notes (text TEXT)"));
         },
         Kind::NotRecords,
         {}},
        {"a later Pabrel's file",
         [](const QString& f) { makeRecords(f, 5, RecordStore::SchemaVersion + 1); },
         Kind::Newer,
         {}},
        {"a file where the folder should be",
         [](const QString& f) { writeFile(QFileInfo(f).absolutePath(), "not a folder"); },
         Kind::NotWritable, QStringLiteral("pabrel")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(home.path()).removeRecursively();
        QDir().mkpath(home.path());
        c.make(file);
        const QString kept = c.kept.isEmpty() ? file : home.filePath(c.kept);
        const QByteArray before = fileBytes(kept);

        RecordStore store(file);
        const auto failure = store.open(RecordStore::Opening::CreateIfMissing);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->kind, c.kind) << failure->detail.toStdString();
        EXPECT_TRUE(failure->message(RecordError::Use::Reading).contains(file));
        EXPECT_EQ(fileBytes(kept), before);
    }
}

// A round of a kind that no Pabrel writes, put there by something that ignored the table's
// checks, would be counted as some other kind: the game and every reader refuse the file.
TEST_F(BadFile, WithAnUnknownKindOfRoundIsRefusedByTheGameAndTheReaders)
{
    for (const char* column : {"answer_order", "presentation", "outcome"}) {
        SCOPED_TRACE(column);
        QFile::remove(file);
        makeRecords(file, 20);
        querySql(file,
                 {QStringLiteral("PRAGMA ignore_check_constraints = ON"),
                  QStringLiteral("UPDATE rounds SET %1 = 'sideways' WHERE id = 7").arg(column),
                  QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")});
        const QByteArray before = fileBytes(file);
        for (const auto opening :
             {RecordStore::Opening::CreateIfMissing, RecordStore::Opening::ExistingOnly}) {
            RecordStore store(file);
            const auto failure = store.open(opening);
            ASSERT_TRUE(failure);
            EXPECT_EQ(failure->kind, Kind::NotRecords);
        }
        EXPECT_EQ(fileBytes(file), before);
    }
}

// Root may write anywhere, so as root the writer runs as the unprivileged user "nobody",
// for whom the file and its folder are read-only.
TEST_F(BadFile, ThatIsReadOnlyIsRefusedAndKept)
{
    makeRecords(file, 4);
    const QString folder = QFileInfo(file).absolutePath();
    const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto enter = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(file, readOnly));
    for (const QString& path : {home.path(), folder}) {
        ASSERT_TRUE(QFile::setPermissions(path, readOnly | enter));
    }
    const QByteArray before = fileBytes(file);
    QStringList command{QStringLiteral(WRITER_CHILD), file, QStringLiteral("1")};
    if (geteuid() == 0) {
        command = QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                              QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups")} +
                  command;
    }
    QProcess writer;
    writer.start(command.takeFirst(), command);
    ASSERT_TRUE(writer.waitForFinished(30'000));
    const QString told = QString::fromUtf8(writer.readAllStandardError());
    EXPECT_EQ(writer.exitCode(), 1) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("書き込めません"))) << told.toStdString();
    EXPECT_EQ(fileBytes(file), before);
    for (const QString& path : {home.path(), folder}) {
        QFile::setPermissions(path, readOnly | enter | QFile::WriteOwner);
    }
}

TEST_F(BadFile, OnAFullDiskKeepsWhatWasCommitted)
{
    makeRecords(file, 1);
    RecordStore store(file);
    openForWriting(store);
    // The file-size limit makes every write past it fail as on a full disk.
    const auto previous = signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit full{static_cast<rlim_t>(QFileInfo(file).size() + 64 * 1024), limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &full);
    int committed = 1;
    std::optional<RecordError> failure;
    while (!failure && committed < 100'000) {
        failure = store.add(sampleRound(committed));
        committed += failure ? 0 : 1;
    }
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, previous);

    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->kind, Kind::NotWritable) << failure->detail.toStdString();
    EXPECT_EQ(querySql(file, QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
    EXPECT_EQ(querySql(file, QStringLiteral("SELECT count(*) FROM rounds")).toInt(), committed);
}

TEST_F(BadFile, LockedPastTheBusyTimeoutIsRefusedAndReportedOnce)
{
    makeRecords(file, 2);
    const QString name = QStringLiteral("holder");
    {
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        holder.setDatabaseName(file);
        ASSERT_TRUE(holder.open());
        QSqlQuery(holder).exec(QStringLiteral("BEGIN EXCLUSIVE"));

        // Readers still get through to a locked file: it is the round's write that waits.
        RecordStore store(file, 50);
        std::optional<RecordError> failure = store.open(RecordStore::Opening::CreateIfMissing);
        if (!failure) {
            failure = store.add(sampleRound(9));
        }
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->kind, Kind::Locked);

        // Recording goes off after the first failure: one report, however many rounds.
        records::RecordWriter writer(file, 50);
        std::vector<RecordError> reports;
        QObject::connect(&writer, &records::RecordWriter::failed,
                         [&](const RecordError& e) { reports.push_back(e); });
        for (int n = 0; n < 3; ++n) {
            writer.write(sampleRound(n));
        }
        writer.waitUntilWritten();
        QCoreApplication::processEvents();
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(reports[0].kind, Kind::Locked);
        QSqlQuery(holder).exec(QStringLiteral("ROLLBACK"));
        holder.close();
    }
    QSqlDatabase::removeDatabase(name);
    EXPECT_EQ(querySql(file, QStringLiteral("SELECT count(*) FROM rounds")), QStringLiteral("2"));
}

// Only the game's recording stops for the rest of the run; a reading leaves nothing to stop,
// and the terminal gets one line.
TEST(RecordErrorWording, SaysWhatBecameOfTheFileAndOfTheRoundsStillToPlay)
{
    const RecordError error{Kind::NotRecords, QStringLiteral("/home/a/records.sqlite3"), {}};
    const QString reading = error.message(RecordError::Use::Reading);
    EXPECT_TRUE(reading.contains(QStringLiteral("手を加えていません")));
    EXPECT_FALSE(reading.contains(QStringLiteral("記録しません")));
    EXPECT_TRUE(error.message(RecordError::Use::Recording)
                    .contains(QStringLiteral("起動し直すまで記録しません")));
    EXPECT_FALSE(error.line(RecordError::Use::Reading).contains(QLatin1Char('\n')));
}

} // namespace
} // namespace pabrel::testing

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Real processes writing to one records file: killed in the middle of writing, and two at
// once.

#include "record_files.h"
#include "record_writer.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <gtest/gtest.h>

namespace pabrel::testing {
namespace {

class Writers : public ::testing::Test
{
protected:
    void start(QProcess& child, int rounds)
    {
        child.start(QStringLiteral(WRITER_CHILD), {file, QString::number(rounds)});
        ASSERT_TRUE(child.waitForStarted());
    }

    int roundsInFile()
    {
        EXPECT_EQ(querySql(file, QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
        return querySql(file, QStringLiteral("SELECT count(*) FROM rounds")).toInt();
    }

    QTemporaryDir home;
    QString file = home.filePath(QStringLiteral("pabrel/records.sqlite3"));
};

TEST_F(Writers, KilledWhileWritingLeaveASoundFileWithEveryCommittedRound)
{
    for (const int killAfter : {1, 40, 200}) {
        SCOPED_TRACE(killAfter);
        QFile::remove(file);
        QProcess child;
        start(child, 1'000'000);
        int committed = 0;
        while (committed < killAfter && child.waitForReadyRead(10'000)) {
            while (child.canReadLine()) {
                committed = child.readLine().trimmed().toInt();
            }
        }
        child.kill();
        child.waitForFinished();
        ASSERT_GE(committed, killAfter);
        // Rounds go on being committed until the kill lands; what the child printed by then
        // is in the pipe, and it may have committed one more before printing its number.
        int printed = committed;
        while (child.canReadLine()) {
            printed = std::max(printed, child.readLine().trimmed().toInt());
        }
        const int kept = roundsInFile();
        EXPECT_GE(kept, printed);
        EXPECT_LE(kept, printed + 1);
    }
}

TEST_F(Writers, TwoAtOnceLoseNoRound)
{
    QProcess first;
    QProcess second;
    start(first, 300);
    start(second, 300);
    for (QProcess* child : {&first, &second}) {
        ASSERT_TRUE(child->waitForFinished(60'000));
        EXPECT_EQ(child->exitCode(), 0) << child->readAllStandardError().toStdString();
    }
    EXPECT_EQ(roundsInFile(), 600);
}

TEST_F(Writers, OnAThreadHoldRoundsBackWhileToldAndThenWriteThemInOrder)
{
    records::RecordWriter writer(file);
    writer.holdWrites(true);
    for (int n = 0; n < 3; ++n) {
        writer.write(sampleRound(n));
    }
    writer.waitUntilWritten();
    EXPECT_FALSE(QFileInfo::exists(file));
    writer.holdWrites(false);
    writer.waitUntilWritten();
    EXPECT_EQ(rowsOf(file),
              (std::vector{asRow(sampleRound(0)), asRow(sampleRound(1)), asRow(sampleRound(2))}));
}

} // namespace
} // namespace pabrel::testing

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "overview_reading.h"
#include "record_files.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pabrel::testing {
namespace {

using records::RecordStore;
using records::RoundRecord;

class Store : public ::testing::Test
{
protected:
    QTemporaryDir home;
    QString folder = home.filePath(QStringLiteral("data/pabrel"));
    QString file = folder + QStringLiteral("/records.sqlite3");
};

TEST_F(Store, KeepsEveryRoundAsWrittenInAPrivateFolder)
{
    std::vector<RoundRecord> written;
    for (int n = 0; n < 12; ++n) {
        written.push_back(sampleRound(n));
    }
    // What was typed can be anything a keyboard or an input method gives.
    const QString answers[] = {QStringLiteral("7,\"x\""), QStringLiteral("日本😀"),
                               QStringLiteral("\b\r\n\t"), QString()};
    for (std::size_t i = 0; i < std::size(answers); ++i) {
        written[i].typed = answers[i];
    }
    {
        RecordStore store(file);
        openForWriting(store);
        // Later rounds come first in time: the file is read back oldest first.
        std::reverse(written.begin(), written.end());
        for (const RoundRecord& round : written) {
            ASSERT_FALSE(store.add(round));
        }
        std::reverse(written.begin(), written.end());
    }
    std::vector<QStringList> rows;
    std::transform(written.begin(), written.end(), std::back_inserter(rows), asRow);
    EXPECT_EQ(rowsOf(file), rows);
    EXPECT_EQ(QFileInfo(folder).permissions() & 0x7777, QFile::ReadOwner | QFile::WriteOwner |
                                                            QFile::ExeOwner | QFile::ReadUser |
                                                            QFile::WriteUser | QFile::ExeUser);
    EXPECT_EQ(querySql(file, QStringLiteral("PRAGMA user_version")), QStringLiteral("3"));
    EXPECT_EQ(querySql(file, QStringLiteral("PRAGMA journal_mode")), QStringLiteral("wal"));
    EXPECT_EQ(querySql(file, QStringLiteral("SELECT started_at FROM rounds WHERE id = 1")),
              QStringLiteral("2026-03-01T09:08:38.353Z"));
}

TEST_F(Store, AnEmptyFileBecomesARecordsFileAndKeepsItsRowsWhenOpenedAgain)
{
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile empty(file);
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    for (int opening = 0; opening < 3; ++opening) {
        RecordStore store(file);
        openForWriting(store);
        ASSERT_FALSE(store.add(sampleRound(opening)));
    }
    EXPECT_EQ(rowsOf(file).size(), 3u);
}

TEST_F(Store, OverviewSumsUpTheHistoryAsReadOrAsWritten)
{
    RecordStore store(file);
    openForWriting(store);
    using enum RoundOutcome;
    using records::Presentation;
    const records::RoundKind spoken{RecallOrder::Forward, Presentation::Spoken};
    const records::RoundKind backward{RecallOrder::Backward, Presentation::Shown};
    const struct
    {
        int level;
        RoundOutcome outcome;
        int day;
        records::RoundKind kind;
    } rounds[] = {{1, Correct, 3, {}},    {2, Correct, 3, {}},   {3, Wrong, 3, {}},
                  {2, Correct, 3, {}},    {3, Correct, 3, {}},   {4, Correct, 3, {}},
                  {5, GaveUp, 3, {}},     {2, Wrong, 4, spoken}, {6, Correct, 4, backward},
                  {1, Wrong, 5, backward}};
    // A window that was open all along took each round as it was written.
    records::RecordsOverview asWritten;
    for (const auto& [level, outcome, day, kind] : rounds) {
        RoundRecord round = sampleRound(level);
        round.level = level;
        round.shown = QString(level + 1, QLatin1Char('7'));
        round.outcome = outcome;
        round.presentation = kind.presentation;
        round.order = kind.order;
        round.startedAt = QDateTime(QDate(2026, 3, day), QTime(12, level), Qt::UTC);
        ASSERT_FALSE(store.add(round));
        asWritten.add(round);
    }
    const records::OverviewReading reading = records::readOverview(file);
    ASSERT_FALSE(reading.failure);
    const records::RecordsOverview& asRead = *reading.overview;
    using Totals = records::RecordsOverview::Totals;
    for (const records::RecordsOverview* overview : {&asRead, &std::as_const(asWritten)}) {
        // Every round, and each kind apart: {rounds, correct, best level, longest recalled}.
        const std::pair<const Totals*, std::array<int, 4>> totals[] = {
            {&overview->all(), {10, 6, 6, 7}},
            {&overview->of({}), {7, 5, 5, 5}},
            {&overview->of(spoken), {1, 0, 2, 0}},
            {&overview->of(backward), {2, 1, 6, 7}},
        };
        for (const auto& [kind, expected] : totals) {
            EXPECT_EQ(
                (std::array{kind->rounds, kind->correct, kind->bestLevel, kind->longestRecalled}),
                expected);
        }
        EXPECT_EQ(overview->of({}).levels.size(), 5u);
        EXPECT_EQ(overview->all().levels.size(), 6u);
        EXPECT_EQ(overview->span().week(QDate(2026, 3, 5), backward).rounds, 2);
    }
    // In time order, a round's level at its time.
    ASSERT_EQ(asRead.levelOverTime({}).size(), 7u);
    EXPECT_EQ(asRead.levelOverTime({}).back().level, 5);
    EXPECT_EQ(asRead.levelOverTime({}).back().msecsSinceEpoch,
              QDateTime(QDate(2026, 3, 3), QTime(12, 5), Qt::UTC).toMSecsSinceEpoch());
    EXPECT_EQ(asRead.levelOverTime(backward).front().level, 6);

    ASSERT_FALSE(store.eraseAll());
    const records::OverviewReading erased = records::readOverview(file);
    ASSERT_FALSE(erased.failure);
    EXPECT_EQ(erased.overview->all().rounds, 0);
    EXPECT_TRUE(erased.overview->levelOverTime({}).empty());
    EXPECT_TRUE(QFileInfo::exists(file));
}

} // namespace
} // namespace pabrel::testing

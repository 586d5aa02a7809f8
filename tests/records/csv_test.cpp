// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "csv_export.h"
#include "record_files.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pabrel::testing {
namespace {

TEST(Csv, QuotesAFieldOnlyWhenItMust)
{
    const struct
    {
        QString typed;
        QString field;
    } cases[] = {
        {QStringLiteral("77"), QStringLiteral("77")},
        {QString(), QString()},
        {QStringLiteral("7,8"), QStringLiteral("\"7,8\"")},
        {QStringLiteral("say \"7\""), QStringLiteral("\"say \"\"7\"\"\"")},
        {QStringLiteral("7\r\n8"), QStringLiteral("\"7\r\n8\"")},
        {QStringLiteral("7\n"), QStringLiteral("\"7\n\"")},
        {QStringLiteral("日本😀 '"), QStringLiteral("日本😀 '")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(records::csvField(c.typed), c.field) << c.typed.toStdString();
    }
}

TEST(Csv, WritesEveryRoundOldestFirstWithAHeader)
{
    QTemporaryDir home;
    records::RecordStore store(home.filePath(QStringLiteral("records.sqlite3")));
    openForWriting(store);
    records::RoundRecord later = sampleRound(2);
    later.typed = QStringLiteral("0,\"ア😀");
    later.paintedMs = 300.456;
    later.presentation = records::Presentation::Spoken;
    ASSERT_FALSE(store.add(later));
    records::RoundRecord first = sampleRound(0);
    first.typed.clear();
    ASSERT_FALSE(store.add(first));

    QBuffer out;
    out.open(QIODevice::WriteOnly);
    ASSERT_FALSE(records::writeCsv(store, out));
    EXPECT_EQ(QString::fromUtf8(out.data()),
              QStringLiteral("started_at,level,shown,typed,outcome,display_ms,painted_ms,answer_ms,"
                             "presentation,answer_order\r\n"
                             "2026-03-01T09:00:00.000Z,1,01,,correct,600,,800,shown,forward\r\n"
                             "2026-03-01T09:01:34.246Z,3,0123,\"0,\"\"ア😀\",gave-up,300,300.46,802,"
                             "spoken,backward\r\n"));
}

} // namespace
} // namespace pabrel::testing

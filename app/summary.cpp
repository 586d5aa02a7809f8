// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "summary.h"

#include "overview_reader.h"
#include "record_store.h"
#include "records_overview.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace pabrel::app {

namespace {
QString share(int part, int whole)
{
    return QStringLiteral("%1%").arg(100.0 * part / whole, 0, 'f', 1);
}

QString spanText(const records::SpanEstimate& span)
{
    return span.said({QStringLiteral("%1 digits (±%2)"), QStringLiteral("%1 digits or more"),
                      QStringLiteral("%1 digits or fewer"),
                      QStringLiteral("not enough rounds yet")});
}

int fail(const QString& message)
{
    std::fprintf(stderr, "pabrel: %s\n", qUtf8Printable(message));
    return EXIT_FAILURE;
}
} // namespace

QString summaryText(const records::RecordsOverview& overview, QDate today)
{
    QString text = QStringLiteral("rounds: %1\ncorrect: %2\nbest level: %3\n")
                       .arg(overview.rounds)
                       .arg(share(overview.correct, overview.rounds))
                       .arg(overview.bestLevel);
    text += QStringLiteral("span now: %1\nspan a week before: %2\n")
                .arg(spanText(overview.span.week(today)),
                     spanText(overview.span.week(today.addDays(-7))));
    text += QStringLiteral("\nlevel  rounds  correct\n");
    for (const auto& level : overview.levels) {
        text += QStringLiteral("%1  %2  %3\n")
                    .arg(level.level, 5)
                    .arg(level.rounds, 6)
                    .arg(share(level.correct, level.rounds), 7);
    }
    return text;
}

int printSummary(const QString& recordsFile)
{
    records::RecordStore store(recordsFile);
    records::RecordsOverview overview;
    auto failure = store.open(records::RecordStore::Opening::ExistingOnly);
    if (!failure) {
        failure = records::OverviewReader(store).read(overview);
    }
    if (failure) {
        return fail(failure->line(records::RecordError::Use::Reading));
    }
    if (overview.rounds == 0) {
        return fail(QStringLiteral("%1 (%2)").arg(
            QCoreApplication::translate("Summary", "まだ記録がありません。"), recordsFile));
    }
    std::fputs(summaryText(overview, QDate::currentDate()).toUtf8().constData(), stdout);
    return std::fflush(stdout) == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}

} // namespace pabrel::app

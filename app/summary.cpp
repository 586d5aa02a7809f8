// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "summary.h"

#include "overview_reading.h"
#include "round_columns.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace pabrel::app {

namespace {
QString share(int part, int whole)
{
    return QStringLiteral("%1%").arg(100.0 * part / whole, 0, 'f', 1);
}

QString spanText(const records::SpanEstimate& span, const char* period)
{
    return span.said({QStringLiteral("%1 digits (±%2)"), QStringLiteral("%1 digits or more"),
                      QStringLiteral("%1 digits or fewer"),
                      QStringLiteral("not enough rounds in %1 (%2 rounds)")
                          .arg(QLatin1String(period), QStringLiteral("%1"))});
}

// The span of `kind` in the last seven days and in the seven before, under a name such as
// "span" or "backward listening span".
QString spanLines(const records::SpanEstimator& span, records::RoundKind kind, QDate today)
{
    QString name = QStringLiteral("span");
    if (kind.presentation == records::Presentation::Spoken) {
        name.prepend(QStringLiteral("listening "));
    }
    if (kind.order != RecallOrder::Forward) {
        name.prepend(QStringLiteral("%1 ").arg(records::nameOf(kind.order)));
    }
    return QStringLiteral("%1 now: %2\n%1 a week before: %3\n")
        .arg(name, spanText(span.week(today, kind), "the last 7 days"),
             spanText(span.week(today.addDays(-records::SpanEstimator::WeekDays), kind),
                      "the 7 days before"));
}

int fail(const QString& message)
{
    std::fprintf(stderr, "pabrel: %s\n", qUtf8Printable(message));
    return EXIT_FAILURE;
}
} // namespace

// The totals and the levels count every round; the span of the rounds flashed and
// answered as shown comes first, and each other kind that has rounds follows, as a task
// of its own.
QString summaryText(const records::RecordsOverview& overview, QDate today)
{
    const records::RecordsOverview::Totals& all = overview.all();
    QString text = QStringLiteral("rounds: %1\ncorrect: %2\nbest level: %3\n")
                       .arg(all.rounds)
                       .arg(share(all.correct, all.rounds))
                       .arg(all.bestLevel);
    for (const RecallOrder order : RecallOrders) {
        for (const records::Presentation presentation : records::Presentations) {
            const records::RoundKind kind{order, presentation};
            if (kind == records::RoundKind{} || overview.of(kind).rounds > 0) {
                text += spanLines(overview.span(), kind, today);
            }
        }
    }
    text += QStringLiteral("\nlevel  rounds  correct\n");
    for (const auto& level : all.levels) {
        text += QStringLiteral("%1  %2  %3\n")
                    .arg(level.level, 5)
                    .arg(level.rounds, 6)
                    .arg(share(level.correct, level.rounds), 7);
    }
    return text;
}

int printSummary(const QString& recordsFile)
{
    const records::OverviewReading reading = records::readOverview(recordsFile);
    if (reading.failure) {
        return fail(reading.failure->line(records::RecordError::Use::Reading));
    }
    if (reading.overview->all().rounds == 0) {
        return fail(QStringLiteral("%1 (%2)").arg(
            QCoreApplication::translate("Summary", "まだ記録がありません。"), recordsFile));
    }
    std::fputs(summaryText(*reading.overview, QDate::currentDate()).toUtf8().constData(), stdout);
    return std::fflush(stdout) == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}

} // namespace pabrel::app

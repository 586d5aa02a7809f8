// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "summary.h"

#include "overview_reading.h"

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

// The span in the last seven days and in the seven before, under `name`.
QString spanLines(const records::SpanEstimator& span, records::Presentation presentation,
                  QDate today, const QString& name)
{
    return QStringLiteral("%1 now: %2\n%1 a week before: %3\n")
        .arg(name, spanText(span.week(today, presentation), "the last 7 days"),
             spanText(span.week(today.addDays(-records::SpanEstimator::WeekDays), presentation),
                      "the 7 days before"));
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
    using records::Presentation;
    text += spanLines(overview.span, Presentation::Shown, today, QStringLiteral("span"));
    // Rounds read aloud are another task, with a span of their own.
    const QDate fortnightAgo = today.addDays(1 - 2 * records::SpanEstimator::WeekDays);
    if (overview.span.days(fortnightAgo, today, Presentation::Spoken).rounds > 0) {
        text +=
            spanLines(overview.span, Presentation::Spoken, today, QStringLiteral("listening span"));
    }
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
    const records::OverviewReading reading = records::readOverview(recordsFile);
    if (reading.failure) {
        return fail(reading.failure->line(records::RecordError::Use::Reading));
    }
    if (reading.overview->rounds == 0) {
        return fail(QStringLiteral("%1 (%2)").arg(
            QCoreApplication::translate("Summary", "まだ記録がありません。"), recordsFile));
    }
    std::fputs(summaryText(*reading.overview, QDate::currentDate()).toUtf8().constData(), stdout);
    return std::fflush(stdout) == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}

} // namespace pabrel::app

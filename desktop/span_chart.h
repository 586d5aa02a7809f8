// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "records_overview.h"
#include "span_estimate.h"

#include <QChartView>
#include <QDate>

#include <vector>

class QAreaSeries;
class QDateTimeAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace pabrel::desktop {

// The player's digit span over time: each period's estimate as a line, its spread as a band
// around it, and the digits of every round as a faint band behind. A short history is drawn
// day by day; a longer one in periods of seven days (or a multiple of seven) that end
// today, as the headline's do. A period whose rounds give no estimate breaks the line and
// its band; one beyond the ends of the rows has a mark at that end.
class SpanChart : public QChartView
{
    Q_OBJECT

public:
    explicit SpanChart(QWidget* parent = nullptr);

    // The rounds of `kind`.
    void show(const records::RecordsOverview& overview, records::RoundKind kind);
    // The round of `kind` that `overview` took last: only its period is estimated again,
    // which keeps a long history's chart cheap to bring up to date.
    void showLatestRound(const records::RecordsOverview& overview, records::RoundKind kind);

protected:
    void changeEvent(QEvent* event) override;

private:
    struct Run
    {
        QLineSeries* line;
        QLineSeries* upper;
        QLineSeries* lower;
        QAreaSeries* band;
    };

    void retranslate();
    void showRounds(const std::vector<records::RecordsOverview::Point>& rounds);
    records::SpanEstimate periodEstimate(const records::RecordsOverview& overview,
                                         records::RoundKind kind, std::size_t period) const;
    QDate periodStart(std::size_t period) const;
    void drawPeriods();
    Run& run(std::size_t index);
    void fitTimeAxis(qint64 firstMs, qint64 lastMs);
    void showTimeFormat();

    QLineSeries* rounds_;
    QScatterSeries* beyond_;
    QDateTimeAxis* time_;
    // Whether the time axis counts hours (a short history) or days.
    bool byHour_ = true;
    QValueAxis* digits_;
    // One for each unbroken stretch of the line, kept for the next drawing when unused.
    std::vector<Run> runs_;
    // The periods, oldest first, the last ending on lastDay_, and their estimates.
    QDate lastDay_;
    int periodDays_ = 1;
    std::vector<records::SpanEstimate> estimates_;
};

// `points` with no more than about `maxPoints` of them: each run of consecutive rounds
// becomes its lowest and its highest level, which draws the same band.
std::vector<records::RecordsOverview::Point>
thinned(const std::vector<records::RecordsOverview::Point>& points, int maxPoints);

} // namespace pabrel::desktop

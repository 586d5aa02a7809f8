// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChartView>
#include <QDate>

class QAreaSeries;
class QDateTimeAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace pabrel::records {
struct RecordsOverview;
struct SpanEstimate;
} // namespace pabrel::records

namespace pabrel::desktop {

// The player's digit span over time: each day's estimate as a line, its standard error as
// a band around it, and the digits of every round as a faint band behind. A day whose
// rounds give no estimate has no point; a day beyond the ends of the levels has a mark at
// that end. A history longer than the chart has room for is drawn in periods of several
// days, each with the estimate of all its rounds.
class SpanChart : public QChartView
{
    Q_OBJECT

public:
    explicit SpanChart(QWidget* parent = nullptr);

    void show(const records::RecordsOverview& overview);
    // The round that `overview` took last: only its day is drawn again, which keeps a
    // long history's chart cheap to bring up to date.
    void showLatestRound(const records::RecordsOverview& overview);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void showRounds(const records::RecordsOverview& overview);
    void showPeriods(const records::RecordsOverview& overview);
    records::SpanEstimate periodEstimate(const records::RecordsOverview& overview,
                                         QDate start) const;
    qreal middleOf(QDate start) const;
    void fitTimeAxis(qint64 firstMs, qint64 lastMs);

    QLineSeries* rounds_;
    QLineSeries* span_;
    // The band's edges, which the band draws but does not own.
    QLineSeries* upper_;
    QLineSeries* lower_;
    QAreaSeries* spread_;
    QScatterSeries* beyond_;
    QDateTimeAxis* time_;
    QValueAxis* digits_;
    // The first day played, where the first period starts, and the days in each period.
    QDate firstDay_;
    int periodDays_ = 1;
};

} // namespace pabrel::desktop

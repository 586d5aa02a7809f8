// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChartView>

class QAreaSeries;
class QDateTimeAxis;
class QLineSeries;
class QScatterSeries;

namespace pabrel::records {
struct RecordsOverview;
} // namespace pabrel::records

namespace pabrel::desktop {

// The player's digit span over time: each day's estimate as a line, its standard error as
// a band around it, and the digits of every round as a faint band behind. A day whose
// rounds give no estimate has no point; a day beyond the ends of the levels has a mark at
// that end.
class SpanChart : public QChartView
{
    Q_OBJECT

public:
    explicit SpanChart(QWidget* parent = nullptr);

    void show(const records::RecordsOverview& overview);

private:
    void showRounds(const records::RecordsOverview& overview);
    void showDays(const records::RecordsOverview& overview);
    void fitTimeAxis(qint64 firstMs, qint64 lastMs);

    QLineSeries* rounds_;
    QLineSeries* span_;
    QLineSeries* upper_;
    QLineSeries* lower_;
    QAreaSeries* spread_;
    QScatterSeries* beyond_;
    QDateTimeAxis* time_;
};

} // namespace pabrel::desktop

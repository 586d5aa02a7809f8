// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "span_chart.h"

#include "records_overview.h"
#include "span_estimate.h"

#include <QAreaSeries>
#include <QChart>
#include <QDateTimeAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

namespace pabrel::desktop {

namespace {
constexpr qint64 MsPerDay = 24 * 60 * 60 * 1000;
// A long history is thinned to about this many points, which a chart of any width draws
// alike.
constexpr int MostRoundPoints = 1000;
// Markers on each point of the line while they stay apart.
constexpr std::size_t MostMarkedPoints = 60;

// The line has at most this many points, about one for every few pixels of its width.
constexpr int MostPeriods = 200;

int periodDaysFor(QDate first, QDate last)
{
    return std::max<int>(1, static_cast<int>((first.daysTo(last) + MostPeriods) / MostPeriods));
}

// Each period's estimate: on the line in its band, or as a mark at the end of the levels
// that it lies beyond.
struct DayPoints
{
    QList<QPointF> span;
    QList<QPointF> upper;
    QList<QPointF> lower;
    QList<QPointF> beyond;

    void add(qreal noon, const records::SpanEstimate& estimate)
    {
        using Kind = records::SpanEstimate::Kind;
        switch (estimate.kind) {
        case Kind::Digits:
            span.append(QPointF(noon, estimate.digits));
            upper.append(QPointF(noon, estimate.digits + estimate.standardError));
            lower.append(QPointF(noon, estimate.digits - estimate.standardError));
            break;
        case Kind::AtLeastCeiling:
            beyond.append(QPointF(noon, records::SpanEstimate::CeilingDigits));
            break;
        case Kind::AtMostFloor:
            beyond.append(QPointF(noon, records::SpanEstimate::FloorDigits));
            break;
        case Kind::None:
            break;
        }
    }
};

QValueAxis* digitsAxis()
{
    auto* digits = new QValueAxis;
    digits->setRange(records::SpanEstimate::FloorDigits - 0.5,
                     records::SpanEstimate::CeilingDigits + 0.5);
    digits->setTickType(QValueAxis::TicksDynamic);
    digits->setTickAnchor(records::SpanEstimate::FloorDigits);
    digits->setTickInterval(1);
    digits->setLabelFormat(QStringLiteral("%d"));
    return digits;
}
} // namespace

SpanChart::SpanChart(QWidget* parent)
    : QChartView(new QChart, parent), rounds_(new QLineSeries), span_(new QLineSeries),
      upper_(new QLineSeries(this)), lower_(new QLineSeries(this)),
      spread_(new QAreaSeries(upper_, lower_)), beyond_(new QScatterSeries),
      time_(new QDateTimeAxis), digits_(digitsAxis())
{
    setRenderHint(QPainter::Antialiasing);
    // A long history is a dense band: kept light, behind the estimate.
    rounds_->setPen(QPen(QColor(70, 130, 200, 45), 1));
    spread_->setPen(Qt::NoPen);
    spread_->setBrush(QColor(230, 120, 30, 60));
    span_->setPen(QPen(QColor(230, 120, 30), 2));
    beyond_->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
    beyond_->setMarkerSize(9);
    beyond_->setColor(QColor(200, 60, 30));
    beyond_->setBorderColor(Qt::transparent);

    QChart* chart = this->chart();
    for (QAbstractSeries* series :
         std::initializer_list<QAbstractSeries*>{rounds_, spread_, span_, beyond_}) {
        chart->addSeries(series);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->addAxis(time_, Qt::AlignBottom);
    chart->addAxis(digits_, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(time_);
        series->attachAxis(digits_);
    }
    time_->setTickCount(6);
    retranslate();
}

void SpanChart::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QChartView::changeEvent(event);
}

void SpanChart::retranslate()
{
    chart()->setTitle(tr("記憶スパンの移り変わり"));
    digits_->setTitleText(tr("桁数"));
    rounds_->setName(tr("各回の桁数"));
    spread_->setName(tr("標準誤差"));
    span_->setName(tr("記憶スパン"));
    beyond_->setName(tr("9桁以上・2桁以下の日"));
}

void SpanChart::show(const records::RecordsOverview& overview)
{
    showRounds(overview);
    showPeriods(overview);
    const auto& rounds = overview.levelOverTime;
    fitTimeAxis(rounds.empty() ? 0 : rounds.front().msecsSinceEpoch,
                rounds.empty() ? 0 : rounds.back().msecsSinceEpoch);
}

void SpanChart::showRounds(const records::RecordsOverview& overview)
{
    QList<QPointF> points;
    for (const auto& round : records::thinned(overview.levelOverTime, MostRoundPoints)) {
        points.append(QPointF(static_cast<qreal>(round.msecsSinceEpoch), round.level + 1));
    }
    rounds_->replace(points);
}

void SpanChart::showPeriods(const records::RecordsOverview& overview)
{
    const std::vector<QDate> played = overview.span.playedDays();
    firstDay_ = played.empty() ? QDate() : played.front();
    periodDays_ = played.empty() ? 1 : periodDaysFor(firstDay_, played.back());
    DayPoints points;
    for (QDate start = firstDay_; !played.empty() && start <= played.back();
         start = start.addDays(periodDays_)) {
        points.add(middleOf(start), periodEstimate(overview, start));
    }
    span_->replace(points.span);
    upper_->replace(points.upper);
    lower_->replace(points.lower);
    beyond_->replace(points.beyond);
    span_->setPointsVisible(static_cast<std::size_t>(points.span.size()) <= MostMarkedPoints);
    chart()->legend()->markers(spread_).first()->setVisible(false);
    chart()->legend()->markers(beyond_).first()->setVisible(!points.beyond.isEmpty());
}

void SpanChart::showLatestRound(const records::RecordsOverview& overview)
{
    const auto& latest = overview.levelOverTime.back();
    const QDate day = QDateTime::fromMSecsSinceEpoch(latest.msecsSinceEpoch).date();
    const QDate start = day.isValid() && firstDay_.isValid() && day >= firstDay_
                            ? firstDay_.addDays(firstDay_.daysTo(day) / periodDays_ * periodDays_)
                            : QDate();
    const qreal middle = start.isValid() ? middleOf(start) : 0;
    const auto drawnAfter = [middle](const QXYSeries* series) {
        return series->count() > 0 && series->at(series->count() - 1).x() > middle;
    };
    // A round from before the last period drawn, as after the clock was set back, or one
    // that needs longer periods, is drawn again whole.
    if (!start.isValid() || periodDaysFor(firstDay_, day) != periodDays_ || drawnAfter(span_) ||
        drawnAfter(beyond_)) {
        show(overview);
        return;
    }
    rounds_->append(static_cast<qreal>(latest.msecsSinceEpoch), latest.level + 1);
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{span_, upper_, lower_, beyond_}) {
        if (series->count() > 0 && series->at(series->count() - 1).x() == middle) {
            series->remove(series->count() - 1);
        }
    }
    DayPoints points;
    points.add(middle, periodEstimate(overview, start));
    span_->append(points.span);
    upper_->append(points.upper);
    lower_->append(points.lower);
    beyond_->append(points.beyond);
    chart()->legend()->markers(beyond_).first()->setVisible(beyond_->count() > 0);
    if (time_->max().toMSecsSinceEpoch() < latest.msecsSinceEpoch) {
        fitTimeAxis(overview.levelOverTime.front().msecsSinceEpoch, latest.msecsSinceEpoch);
    }
}

records::SpanEstimate SpanChart::periodEstimate(const records::RecordsOverview& overview,
                                                QDate start) const
{
    return periodDays_ == 1 ? overview.span.day(start)
                            : overview.span.days(start, start.addDays(periodDays_ - 1));
}

// A period's estimate stands at the middle of its days, a day's at its noon.
qreal SpanChart::middleOf(QDate start) const
{
    return static_cast<qreal>(start.startOfDay().toMSecsSinceEpoch() + periodDays_ * MsPerDay / 2);
}

// A short history is shown by the hour and never less than an hour of it; a longer one by
// the day, whole days, so that each day's estimate at its noon lies inside.
void SpanChart::fitTimeAxis(qint64 firstMs, qint64 lastMs)
{
    if (lastMs - firstMs < 2 * MsPerDay) {
        time_->setFormat(QStringLiteral("MM/dd hh:mm"));
        time_->setRange(QDateTime::fromMSecsSinceEpoch(std::min(firstMs, lastMs - MsPerDay / 24)),
                        QDateTime::fromMSecsSinceEpoch(std::max(lastMs, firstMs + MsPerDay / 24)));
        return;
    }
    time_->setFormat(QStringLiteral("yyyy/MM/dd"));
    time_->setRange(QDateTime::fromMSecsSinceEpoch(firstMs).date().startOfDay(),
                    QDateTime::fromMSecsSinceEpoch(lastMs).date().addDays(1).startOfDay());
}

} // namespace pabrel::desktop

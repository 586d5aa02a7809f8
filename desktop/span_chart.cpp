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
constexpr int MostRoundPoints = 2000;
// Markers on each day's estimate while they stay apart.
constexpr std::size_t MostMarkedDays = 60;

qreal noonOf(QDate day)
{
    return static_cast<qreal>(day.startOfDay().toMSecsSinceEpoch() + MsPerDay / 2);
}

QValueAxis* digitsAxis()
{
    auto* digits = new QValueAxis;
    digits->setTitleText(QStringLiteral("桁数"));
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
    : QChartView(parent), rounds_(new QLineSeries), span_(new QLineSeries), upper_(new QLineSeries),
      lower_(new QLineSeries), spread_(new QAreaSeries(upper_, lower_)),
      beyond_(new QScatterSeries), time_(new QDateTimeAxis)
{
    setRenderHint(QPainter::Antialiasing);
    rounds_->setName(QStringLiteral("各回の桁数"));
    // A long history is a dense band: kept light, behind the estimate.
    rounds_->setPen(QPen(QColor(70, 130, 200, 70), 1));
    spread_->setName(QStringLiteral("標準誤差"));
    spread_->setPen(Qt::NoPen);
    spread_->setBrush(QColor(230, 120, 30, 60));
    span_->setName(QStringLiteral("日ごとの記憶スパン"));
    span_->setPen(QPen(QColor(230, 120, 30), 2));
    beyond_->setName(QStringLiteral("9桁以上・2桁以下の日"));
    beyond_->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
    beyond_->setMarkerSize(9);
    beyond_->setColor(QColor(200, 60, 30));
    beyond_->setBorderColor(Qt::transparent);

    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("記憶スパンの移り変わり"));
    for (QAbstractSeries* series :
         std::initializer_list<QAbstractSeries*>{rounds_, spread_, span_, beyond_}) {
        chart->addSeries(series);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->addAxis(time_, Qt::AlignBottom);
    chart->addAxis(digitsAxis(), Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(time_);
        series->attachAxis(chart->axes(Qt::Vertical).first());
    }
    time_->setTickCount(6);
    setChart(chart);
}

void SpanChart::show(const records::RecordsOverview& overview)
{
    showRounds(overview);
    showDays(overview);
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

void SpanChart::showDays(const records::RecordsOverview& overview)
{
    using Kind = records::SpanEstimate::Kind;
    QList<QPointF> span;
    QList<QPointF> upper;
    QList<QPointF> lower;
    QList<QPointF> beyond;
    for (const QDate day : overview.span.playedDays()) {
        const records::SpanEstimate estimate = overview.span.day(day);
        const qreal noon = noonOf(day);
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
    span_->replace(span);
    span_->setPointsVisible(static_cast<std::size_t>(span.size()) <= MostMarkedDays);
    upper_->replace(upper);
    lower_->replace(lower);
    beyond_->replace(beyond);
    chart()->legend()->markers(spread_).first()->setVisible(false);
    chart()->legend()->markers(beyond_).first()->setVisible(!beyond.isEmpty());
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

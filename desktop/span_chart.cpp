// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "span_chart.h"

#include "level_rules.h"
#include "span_estimator.h"

#include <QAreaSeries>
#include <QChart>
#include <QDateTimeAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>

namespace pabrel::desktop {

namespace {
constexpr qint64 MsPerDay = 24 * 60 * 60 * 1000;
// A long history is thinned to about this many points, which a chart of any width draws
// alike.
constexpr int MostRoundPoints = 1000;
// Markers on each point of the line while they stay apart.
constexpr std::size_t MostMarkedPoints = 60;
// Up to this many days the chart goes day by day; beyond, by weeks that end today.
constexpr int MostDailyPeriods = 60;
// The line has at most about this many points, one for every few pixels of its width.
constexpr int MostPeriods = 150;

int periodDaysFor(QDate first, QDate last)
{
    const auto days = first.daysTo(last) + 1;
    if (days <= MostDailyPeriods) {
        return 1;
    }
    constexpr int Week = records::SpanEstimator::WeekDays;
    return Week * static_cast<int>((days + Week * MostPeriods - 1) / (Week * MostPeriods));
}

QValueAxis* digitsAxis()
{
    auto* digits = new QValueAxis;
    digits->setRange(MinDigits - 0.5, MaxDigits + 0.5);
    digits->setTickType(QValueAxis::TicksDynamic);
    digits->setTickAnchor(MinDigits);
    digits->setTickInterval(1);
    digits->setLabelFormat(QStringLiteral("%d"));
    return digits;
}

// The unbroken stretches of the line and its band, and the marks beyond the ends.
struct Drawing
{
    QList<QList<QPointF>> lines;
    QList<QList<QPointF>> uppers;
    QList<QList<QPointF>> lowers;
    QList<QPointF> beyond;
    bool broken = true;

    void add(qreal middle, const records::SpanEstimate& estimate)
    {
        using Kind = records::SpanEstimate::Kind;
        if (estimate.kind != Kind::Digits) {
            broken = true;
            if (estimate.kind != Kind::None) {
                beyond.append(
                    QPointF(middle, estimate.kind == Kind::AtLeastCeiling ? MaxDigits : MinDigits));
            }
            return;
        }
        if (broken) {
            lines.append(QList<QPointF>());
            uppers.append(QList<QPointF>());
            lowers.append(QList<QPointF>());
            broken = false;
        }
        lines.back().append(QPointF(middle, estimate.digits));
        uppers.back().append(QPointF(middle, estimate.digits + estimate.spread));
        lowers.back().append(QPointF(middle, estimate.digits - estimate.spread));
    }
};

void replaceIfChanged(QXYSeries* series, const QList<QPointF>& points)
{
    if (series->points() != points) {
        series->replace(points);
    }
}
} // namespace

SpanChart::SpanChart(QWidget* parent)
    : QChartView(new QChart, parent), rounds_(new QLineSeries), beyond_(new QScatterSeries),
      time_(new QDateTimeAxis), digits_(digitsAxis())
{
    setRenderHint(QPainter::Antialiasing);
    // A long history is a dense band: kept light, behind the estimate.
    rounds_->setPen(QPen(QColor(70, 130, 200, 45), 1));
    beyond_->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
    beyond_->setMarkerSize(9);
    beyond_->setColor(QColor(200, 60, 30));
    beyond_->setBorderColor(Qt::transparent);

    QChart* chart = this->chart();
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->addAxis(time_, Qt::AlignBottom);
    chart->addAxis(digits_, Qt::AlignLeft);
    for (QAbstractSeries* series : std::initializer_list<QAbstractSeries*>{rounds_, beyond_}) {
        chart->addSeries(series);
        series->attachAxis(time_);
        series->attachAxis(digits_);
    }
    time_->setTickCount(6);
    run(0);
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
    runs_.front().line->setName(tr("記憶スパン"));
    beyond_->setName(tr("範囲外（%1桁以上・%2桁以下）").arg(MaxDigits).arg(MinDigits));
    showTimeFormat();
}

// The stretch of line `index`, made when first needed; only the first has a legend.
SpanChart::Run& SpanChart::run(std::size_t index)
{
    while (runs_.size() <= index) {
        Run made{new QLineSeries, new QLineSeries(this), new QLineSeries(this), nullptr};
        made.band = new QAreaSeries(made.upper, made.lower);
        made.band->setPen(Qt::NoPen);
        made.band->setBrush(QColor(230, 120, 30, 60));
        made.line->setPen(QPen(QColor(230, 120, 30), 2));
        for (QAbstractSeries* series :
             std::initializer_list<QAbstractSeries*>{made.band, made.line}) {
            chart()->addSeries(series);
            series->attachAxis(time_);
            series->attachAxis(digits_);
            chart()->legend()->markers(series).first()->setVisible(series == made.line &&
                                                                   runs_.empty());
        }
        runs_.push_back(made);
    }
    return runs_[index];
}

void SpanChart::show(const records::RecordsOverview& overview, records::RoundKind kind)
{
    const auto& rounds = overview.levelOverTime(kind);
    showRounds(rounds);
    const std::vector<QDate> played = overview.span().playedDays(kind);
    lastDay_ = std::max(QDate::currentDate(), played.empty() ? QDate() : played.back());
    periodDays_ = played.empty() ? 1 : periodDaysFor(played.front(), lastDay_);
    const auto periods =
        played.empty() ? 0 : std::size_t(played.front().daysTo(lastDay_) / periodDays_ + 1);
    estimates_.assign(periods, {});
    for (std::size_t period = 0; period < periods; ++period) {
        estimates_[period] = periodEstimate(overview, kind, period);
    }
    drawPeriods();
    fitTimeAxis(rounds.empty() ? 0 : rounds.front().msecsSinceEpoch,
                rounds.empty() ? 0 : rounds.back().msecsSinceEpoch);
}

void SpanChart::showRounds(const std::vector<records::RecordsOverview::Point>& rounds)
{
    QList<QPointF> points;
    for (const auto& round : thinned(rounds, MostRoundPoints)) {
        points.append(
            QPointF(static_cast<qreal>(round.msecsSinceEpoch), digitsAt(Int16(round.level))));
    }
    rounds_->replace(points);
}

void SpanChart::showLatestRound(const records::RecordsOverview& overview, records::RoundKind kind)
{
    const auto& rounds = overview.levelOverTime(kind);
    const auto& latest = rounds.back();
    const QDate day = QDateTime::fromMSecsSinceEpoch(latest.msecsSinceEpoch).date();
    const std::vector<QDate> played = overview.span().playedDays(kind);
    // A round on a day after the periods drawn, or before them, as after the clock was set
    // back, is drawn again whole; so is one that needs longer periods.
    if (estimates_.empty() || !day.isValid() || day > lastDay_ || day < periodStart(0) ||
        periodDaysFor(played.front(), lastDay_) != periodDays_) {
        show(overview, kind);
        return;
    }
    rounds_->append(static_cast<qreal>(latest.msecsSinceEpoch), digitsAt(Int16(latest.level)));
    const auto period = std::size_t(periodStart(0).daysTo(day) / periodDays_);
    estimates_[period] = periodEstimate(overview, kind, period);
    drawPeriods();
    if (time_->max().toMSecsSinceEpoch() < latest.msecsSinceEpoch) {
        fitTimeAxis(rounds.front().msecsSinceEpoch, latest.msecsSinceEpoch);
    }
}

QDate SpanChart::periodStart(std::size_t period) const
{
    const auto fromLast = qint64(estimates_.size() - 1 - period);
    return lastDay_.addDays(-fromLast * periodDays_ - (periodDays_ - 1));
}

records::SpanEstimate SpanChart::periodEstimate(const records::RecordsOverview& overview,
                                                records::RoundKind kind, std::size_t period) const
{
    const QDate start = periodStart(period);
    return overview.span().days(start, start.addDays(periodDays_ - 1), kind);
}

// Each period's estimate stands at the middle of its days, a day's at its noon. Only the
// stretches that changed are handed to the chart again.
void SpanChart::drawPeriods()
{
    Drawing drawing;
    for (std::size_t period = 0; period < estimates_.size(); ++period) {
        const QDate start = periodStart(period);
        drawing.add(qreal(start.startOfDay().toMSecsSinceEpoch() + periodDays_ * MsPerDay / 2),
                    estimates_[period]);
    }
    const auto stretches = std::size_t(drawing.lines.size());
    for (std::size_t index = 0; index < std::max(stretches, runs_.size()); ++index) {
        const bool used = index < stretches;
        Run& stretch = run(index);
        replaceIfChanged(stretch.line, used ? drawing.lines[qsizetype(index)] : QList<QPointF>{});
        replaceIfChanged(stretch.upper, used ? drawing.uppers[qsizetype(index)] : QList<QPointF>{});
        replaceIfChanged(stretch.lower, used ? drawing.lowers[qsizetype(index)] : QList<QPointF>{});
        stretch.line->setPointsVisible(estimates_.size() <= MostMarkedPoints);
    }
    replaceIfChanged(beyond_, drawing.beyond);
    chart()->legend()->markers(beyond_).first()->setVisible(!drawing.beyond.isEmpty());
}

// A short history is shown by the hour and never less than an hour of it; a longer one by
// the day, whole days, so that each day's estimate at its noon lies inside.
void SpanChart::fitTimeAxis(qint64 firstMs, qint64 lastMs)
{
    byHour_ = lastMs - firstMs < 2 * MsPerDay;
    showTimeFormat();
    if (byHour_) {
        time_->setRange(QDateTime::fromMSecsSinceEpoch(std::min(firstMs, lastMs - MsPerDay / 24)),
                        QDateTime::fromMSecsSinceEpoch(std::max(lastMs, firstMs + MsPerDay / 24)));
        return;
    }
    time_->setRange(QDateTime::fromMSecsSinceEpoch(firstMs).date().startOfDay(),
                    QDateTime::fromMSecsSinceEpoch(lastMs).date().addDays(1).startOfDay());
}

// Each language writes its dates its own way: an English reader takes 05/12 for 5 December.
void SpanChart::showTimeFormat()
{
    if (byHour_) {
        //: The chart's dates with the hour, in QDateTime's format.
        time_->setFormat(tr("MM/dd hh:mm"));
    } else {
        //: The chart's dates, in QDateTime's format.
        time_->setFormat(tr("yyyy/MM/dd"));
    }
}

std::vector<records::RecordsOverview::Point>
thinned(const std::vector<records::RecordsOverview::Point>& points, int maxPoints)
{
    const auto count = static_cast<qint64>(points.size());
    const qint64 runLength = std::max<qint64>(1, (count * 2 + maxPoints - 1) / maxPoints);
    if (runLength == 1) {
        return points;
    }
    std::vector<records::RecordsOverview::Point> band;
    for (auto run = points.begin(); run != points.end();) {
        const auto end = run + std::min<qint64>(runLength, points.end() - run);
        const auto [low, high] = std::minmax_element(
            run, end, [](const auto& a, const auto& b) { return a.level < b.level; });
        band.push_back({run->msecsSinceEpoch, low->level});
        band.push_back({(end - 1)->msecsSinceEpoch, high->level});
        run = end;
    }
    return band;
}

} // namespace pabrel::desktop

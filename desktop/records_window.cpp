// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records_window.h"

#include "csv_export.h"
#include "overview_reader.h"
#include "record_store.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPen>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

namespace pabrel::desktop {

namespace {
const QString Title = QStringLiteral("記録 - Pabrel");
constexpr qint64 MsPerDay = 24 * 60 * 60 * 1000;

QString percent(int part, int whole)
{
    return whole == 0 ? QStringLiteral("-")
                      : QStringLiteral("%1%").arg(100.0 * part / whole, 0, 'f', 1);
}

QLabel* valueLabel(const char* name)
{
    auto* label = new QLabel;
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QTableWidgetItem* cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}
} // namespace

RecordsWindow::RecordsWindow(const QString& file, QWidget* parent)
    : QWidget(parent, Qt::Window), file_(file)
{
    setWindowTitle(Title);
    setObjectName(QStringLiteral("records"));
    resize(760, 600);

    pages_ = new QStackedWidget;
    emptyState_ = new QLabel;
    emptyState_->setObjectName(QStringLiteral("emptyState"));
    emptyState_->setAlignment(Qt::AlignCenter);
    emptyState_->setWordWrap(true);
    emptyState_->setTextFormat(Qt::PlainText);
    emptyState_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pages_->addWidget(emptyState_);
    pages_->addWidget(createContentPage());

    exportButton_ = new QPushButton(QStringLiteral("CSVに書き出す…"));
    exportButton_->setObjectName(QStringLiteral("exportButton"));
    eraseButton_ = new QPushButton(QStringLiteral("記録を消す…"));
    eraseButton_->setObjectName(QStringLiteral("eraseButton"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->addButton(exportButton_, QDialogButtonBox::ActionRole);
    buttons->addButton(eraseButton_, QDialogButtonBox::DestructiveRole);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("閉じる"));
    connect(exportButton_, &QPushButton::clicked, this, &RecordsWindow::chooseExportFile);
    connect(eraseButton_, &QPushButton::clicked, this, &RecordsWindow::askToEraseAll);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addWidget(buttons);
}

RecordsWindow::~RecordsWindow() = default;

QWidget* RecordsWindow::createContentPage()
{
    chart_ = new QChartView;
    chart_->setObjectName(QStringLiteral("chart"));
    chart_->setRenderHint(QPainter::Antialiasing);
    chart_->setMinimumHeight(260);

    roundsValue_ = valueLabel("rounds");
    shareValue_ = valueLabel("shareCorrect");
    bestLevelValue_ = valueLabel("bestLevel");
    longestValue_ = valueLabel("longestRecalled");
    auto* totals = new QFormLayout;
    totals->addRow(QStringLiteral("遊んだ回数"), roundsValue_);
    totals->addRow(QStringLiteral("正解率"), shareValue_);
    totals->addRow(QStringLiteral("最高レベル"), bestLevelValue_);
    totals->addRow(QStringLiteral("正しく覚えた最長の桁数"), longestValue_);

    levels_ = new QTableWidget(0, 3);
    levels_->setObjectName(QStringLiteral("levels"));
    levels_->setHorizontalHeaderLabels(
        {QStringLiteral("レベル"), QStringLiteral("回数"), QStringLiteral("正解率")});
    levels_->verticalHeader()->hide();
    // All eight levels fit without scrolling.
    const int rowHeight = levels_->fontMetrics().height() + 6;
    levels_->verticalHeader()->setDefaultSectionSize(rowHeight);
    levels_->setMinimumHeight(rowHeight * 9 + 2 * levels_->frameWidth() + 4);
    levels_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    levels_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    levels_->setSelectionMode(QAbstractItemView::NoSelection);
    levels_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    auto* figures = new QHBoxLayout;
    figures->addLayout(totals);
    figures->addWidget(levels_, 1);

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chart_, 1);
    layout->addLayout(figures);
    return page;
}

void RecordsWindow::showEvent(QShowEvent* event)
{
    reload();
    QWidget::showEvent(event);
}

bool RecordsWindow::openStore()
{
    if (store_) {
        return true;
    }
    auto store = std::make_unique<records::RecordStore>(file_);
    if (const auto failure = store->open(records::RecordStore::Opening::ExistingOnly)) {
        showEmptyState(failure->kind == records::RecordError::Kind::Missing
                           ? QStringLiteral("まだ記録がありません")
                           : failure->message());
        return false;
    }
    store_ = std::move(store);
    return true;
}

void RecordsWindow::reload()
{
    if (!openStore()) {
        return;
    }
    records::RecordsOverview overview;
    if (const auto failure = records::OverviewReader(*store_).read(overview)) {
        store_.reset();
        showEmptyState(failure->message());
        return;
    }
    showOverview(overview);
}

void RecordsWindow::showEmptyState(const QString& text)
{
    rounds_ = 0;
    emptyState_->setText(text);
    pages_->setCurrentWidget(emptyState_);
    exportButton_->setEnabled(false);
    eraseButton_->setEnabled(false);
}

void RecordsWindow::showOverview(const records::RecordsOverview& overview)
{
    if (overview.rounds == 0) {
        showEmptyState(QStringLiteral("まだ記録がありません"));
        return;
    }
    rounds_ = overview.rounds;
    roundsValue_->setText(QStringLiteral("%1回").arg(overview.rounds));
    shareValue_->setText(percent(overview.correct, overview.rounds));
    bestLevelValue_->setText(QStringLiteral("レベル %1").arg(overview.bestLevel));
    longestValue_->setText(overview.longestRecalled == 0
                               ? QStringLiteral("-")
                               : QStringLiteral("%1桁").arg(overview.longestRecalled));
    fillChart(overview);
    fillLevels(overview);
    pages_->setCurrentIndex(1);
    exportButton_->setEnabled(true);
    eraseButton_->setEnabled(true);
}

void RecordsWindow::fillChart(const records::RecordsOverview& overview)
{
    auto* eachRound = new QLineSeries;
    eachRound->setName(QStringLiteral("各回のレベル"));
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(overview.levelOverTime.size()));
    for (const auto& point : overview.levelOverTime) {
        points.append(QPointF(static_cast<double>(point.msecsSinceEpoch), point.level));
    }
    eachRound->replace(points);
    // A long history is a dense band: kept light, under the line of each day's best.
    eachRound->setPen(QPen(QColor(70, 130, 200, 110), 1));

    // Each day's best sits at the middle of that day.
    auto* bestOfDay = new QLineSeries;
    bestOfDay->setName(QStringLiteral("日ごとの最高レベル"));
    bestOfDay->setPen(QPen(QColor(230, 120, 30), 2));
    bestOfDay->setPointsVisible(overview.days.size() <= 60);
    for (const auto& day : overview.days) {
        const qint64 noon = day.day.startOfDay().toMSecsSinceEpoch() + MsPerDay / 2;
        bestOfDay->append(static_cast<double>(noon), day.bestLevel);
    }

    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("レベルの移り変わり"));
    chart->addSeries(eachRound);
    chart->addSeries(bestOfDay);
    chart->legend()->setAlignment(Qt::AlignBottom);

    auto* time = new QDateTimeAxis;
    const qint64 first = points.isEmpty() ? 0 : static_cast<qint64>(points.front().x());
    const qint64 last = points.isEmpty() ? 0 : static_cast<qint64>(points.back().x());
    time->setFormat(last - first < 2 * MsPerDay ? QStringLiteral("MM/dd hh:mm")
                                                : QStringLiteral("yyyy/MM/dd"));
    time->setRange(QDateTime::fromMSecsSinceEpoch(std::min(first, last - MsPerDay / 24)),
                   QDateTime::fromMSecsSinceEpoch(std::max(last, first + MsPerDay / 24)));
    time->setTickCount(6);
    auto* level = new QValueAxis;
    level->setTitleText(QStringLiteral("レベル"));
    level->setRange(0.5, 8.5);
    level->setTickType(QValueAxis::TicksDynamic);
    level->setTickAnchor(1);
    level->setTickInterval(1);
    level->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(level, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(time);
        series->attachAxis(level);
    }

    QChart* previous = chart_->chart();
    chart_->setChart(chart);
    delete previous;
}

void RecordsWindow::fillLevels(const records::RecordsOverview& overview)
{
    levels_->setRowCount(static_cast<int>(overview.levels.size()));
    int row = 0;
    for (const auto& level : overview.levels) {
        levels_->setItem(row, 0, cell(QString::number(level.level)));
        levels_->setItem(row, 1, cell(QString::number(level.rounds)));
        levels_->setItem(row, 2, cell(percent(level.correct, level.rounds)));
        ++row;
    }
}

void RecordsWindow::chooseExportFile()
{
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("CSVに書き出す"),
        QDir::home().filePath(QStringLiteral("pabrel-records.csv")), QStringLiteral("CSV (*.csv)"));
    if (!path.isEmpty() && exportTo(path)) {
        QMessageBox::information(this, Title,
                                 QStringLiteral("%1回分の記録を書き出しました。\n\n%2")
                                     .arg(rounds_)
                                     .arg(QDir::toNativeSeparators(path)));
    }
}

bool RecordsWindow::exportTo(const QString& path)
{
    const auto failure = records::exportCsv(file_, path);
    if (failure) {
        complain(
            failure->reading
                ? failure->reading->message()
                : QStringLiteral("書き出せませんでした: %1\n\n%2").arg(failure->writing, path));
    }
    return !failure;
}

void RecordsWindow::askToEraseAll()
{
    reload();
    if (rounds_ == 0) {
        return;
    }
    QMessageBox ask(QMessageBox::Warning, Title,
                    QStringLiteral("%1回分の記録をすべて消します。元には戻せません。").arg(rounds_),
                    QMessageBox::Cancel, this);
    ask.setObjectName(QStringLiteral("eraseConfirmation"));
    QPushButton* erase = ask.addButton(QStringLiteral("消す"), QMessageBox::DestructiveRole);
    ask.setDefaultButton(QMessageBox::Cancel);
    ask.exec();
    if (ask.clickedButton() != erase) {
        return;
    }
    if (const auto failure = store_->eraseAll()) {
        complain(failure->message());
    }
    reload();
}

void RecordsWindow::complain(const QString& text)
{
    QMessageBox::warning(this, Title, text);
}

} // namespace pabrel::desktop

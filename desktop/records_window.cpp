// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records_window.h"

#include "csv_export.h"
#include "overview_reader.h"
#include "record_store.h"
#include "span_chart.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace pabrel::desktop {

namespace {
const QString Title = QStringLiteral("記録 - Pabrel");
const QString NoRecordsYet = QStringLiteral("まだ記録がありません");

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

QString spanNowText(const records::SpanEstimate& span)
{
    using Kind = records::SpanEstimate::Kind;
    switch (span.kind) {
    case Kind::Digits:
        return QStringLiteral("%1 桁 (±%2)")
            .arg(span.digits, 0, 'f', 1)
            .arg(span.standardError, 0, 'f', 1);
    case Kind::AtLeastCeiling:
        return QStringLiteral("%1 桁以上").arg(records::SpanEstimate::CeilingDigits);
    case Kind::AtMostFloor:
        return QStringLiteral("%1 桁以下").arg(records::SpanEstimate::FloorDigits);
    case Kind::None:
        break;
    }
    return QStringLiteral("まだ回数が足りません");
}

QString spanWeekBeforeText(const records::SpanEstimate& span)
{
    using Kind = records::SpanEstimate::Kind;
    switch (span.kind) {
    case Kind::Digits:
        return QStringLiteral("先週 %1 桁").arg(span.digits, 0, 'f', 1);
    case Kind::AtLeastCeiling:
        return QStringLiteral("先週 %1 桁以上").arg(records::SpanEstimate::CeilingDigits);
    case Kind::AtMostFloor:
        return QStringLiteral("先週 %1 桁以下").arg(records::SpanEstimate::FloorDigits);
    case Kind::None:
        break;
    }
    return QStringLiteral("先週 -");
}

// Runs `job` on a thread of the pool and hands its result to `then` on `context`'s thread,
// unless `context` is gone by then.
template <typename Job, typename Then>
void inBackground(QObject* context, Job job, Then then)
{
    using Result = std::invoke_result_t<Job>;
    auto* watcher = new QFutureWatcher<Result>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, context, [watcher, then] {
        then(watcher->result());
        watcher->deleteLater();
    });
    watcher->setFuture(QtConcurrent::run(std::move(job)));
}
} // namespace

RecordsWindow::RecordsWindow(const QString& file, QWidget* parent)
    : QWidget(parent, Qt::Window), file_(file)
{
    setWindowTitle(Title);
    setObjectName(QStringLiteral("records"));
    resize(760, 640);

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
    showEmptyState(QStringLiteral("読み込んでいます…"));
}

RecordsWindow::~RecordsWindow() = default;

QWidget* RecordsWindow::createContentPage()
{
    chart_ = new SpanChart;
    chart_->setObjectName(QStringLiteral("chart"));
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
    layout->addLayout(createHeadline());
    layout->addWidget(chart_, 1);
    layout->addLayout(figures);
    return page;
}

// 今の記憶スパン: the last seven days, and beside it the seven before.
QLayout* RecordsWindow::createHeadline()
{
    auto* title = new QLabel(QStringLiteral("今の記憶スパン"));
    spanNow_ = valueLabel("spanNow");
    QFont large = spanNow_->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    large.setBold(true);
    spanNow_->setFont(large);
    spanWeekBefore_ = valueLabel("spanWeekBefore");
    auto* headline = new QHBoxLayout;
    headline->addWidget(title);
    headline->addWidget(spanNow_);
    headline->addSpacing(24);
    headline->addWidget(spanWeekBefore_);
    headline->addStretch(1);
    return headline;
}

void RecordsWindow::showEvent(QShowEvent* event)
{
    reload();
    QWidget::showEvent(event);
}

void RecordsWindow::reload()
{
    if (reading_) {
        readAgain_ = true;
        return;
    }
    reading_ = true;
    inBackground(
        this,
        [file = file_] {
            Reading reading{std::nullopt, std::make_shared<records::RecordsOverview>()};
            records::RecordStore store(file);
            reading.failure = store.open(records::RecordStore::Opening::ExistingOnly);
            if (!reading.failure) {
                reading.failure = records::OverviewReader(store).read(*reading.overview);
            }
            return reading;
        },
        [this](const Reading& reading) {
            reading_ = false;
            if (readAgain_) {
                readAgain_ = false;
                reload();
                return;
            }
            if (reading.failure) {
                overview_.reset();
                showEmptyState(reading.failure->kind == records::RecordError::Kind::Missing
                                   ? NoRecordsYet
                                   : reading.failure->message());
            } else {
                overview_ = reading.overview;
                showFigures();
            }
            emit figuresShown();
        });
}

// A round written while the file is being read may or may not be in what is read: the
// file is then read once more.
void RecordsWindow::roundWritten(const records::RoundRecord& round)
{
    if (reading_) {
        readAgain_ = true;
        return;
    }
    if (!overview_) {
        reload();
        return;
    }
    overview_->add(round);
    showFigures();
    emit figuresShown();
}

void RecordsWindow::showEmptyState(const QString& text)
{
    emptyState_->setText(text);
    pages_->setCurrentWidget(emptyState_);
    exportButton_->setEnabled(false);
    eraseButton_->setEnabled(false);
}

void RecordsWindow::showFigures()
{
    if (overview_->rounds == 0) {
        showEmptyState(NoRecordsYet);
        return;
    }
    const QDate today = QDate::currentDate();
    spanNow_->setText(spanNowText(overview_->span.week(today)));
    spanWeekBefore_->setText(spanWeekBeforeText(overview_->span.week(today.addDays(-7))));
    fillTotals();
    fillLevels();
    chart_->show(*overview_);
    pages_->setCurrentIndex(1);
    exportButton_->setEnabled(true);
    eraseButton_->setEnabled(true);
}

void RecordsWindow::fillTotals()
{
    roundsValue_->setText(QStringLiteral("%1回").arg(overview_->rounds));
    shareValue_->setText(percent(overview_->correct, overview_->rounds));
    bestLevelValue_->setText(QStringLiteral("レベル %1").arg(overview_->bestLevel));
    longestValue_->setText(overview_->longestRecalled == 0
                               ? QStringLiteral("-")
                               : QStringLiteral("%1桁").arg(overview_->longestRecalled));
}

void RecordsWindow::fillLevels()
{
    levels_->setRowCount(static_cast<int>(overview_->levels.size()));
    int row = 0;
    for (const auto& level : overview_->levels) {
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
    if (path.isEmpty()) {
        return;
    }
    const int rounds = overview_ ? overview_->rounds : 0;
    auto* told = new QObject(this);
    connect(this, &RecordsWindow::exported, told, [this, told, rounds, path](bool written) {
        told->deleteLater();
        if (written) {
            QMessageBox::information(this, Title,
                                     QStringLiteral("%1回分の記録を書き出しました。\n\n%2")
                                         .arg(rounds)
                                         .arg(QDir::toNativeSeparators(path)));
        }
    });
    exportTo(path);
}

void RecordsWindow::exportTo(const QString& path)
{
    exportButton_->setEnabled(false);
    inBackground(
        this, [file = file_, path] { return records::exportCsv(file, path); },
        [this, path](const std::optional<records::ExportFailure>& failure) {
            exportButton_->setEnabled(overview_ && overview_->rounds > 0);
            if (failure) {
                complain(failure->reading ? failure->reading->message()
                                          : QStringLiteral("書き出せませんでした: %1\n\n%2")
                                                .arg(failure->writing, path));
            }
            emit exported(!failure);
        });
}

void RecordsWindow::askToEraseAll()
{
    const int rounds = overview_ ? overview_->rounds : 0;
    if (rounds == 0) {
        return;
    }
    QMessageBox ask(QMessageBox::Warning, Title,
                    QStringLiteral("%1回分の記録をすべて消します。元には戻せません。").arg(rounds),
                    QMessageBox::Cancel, this);
    ask.setObjectName(QStringLiteral("eraseConfirmation"));
    QPushButton* erase = ask.addButton(QStringLiteral("消す"), QMessageBox::DestructiveRole);
    ask.setDefaultButton(QMessageBox::Cancel);
    ask.exec();
    if (ask.clickedButton() != erase) {
        return;
    }
    eraseButton_->setEnabled(false);
    inBackground(
        this,
        [file = file_] {
            records::RecordStore store(file);
            auto failure = store.open(records::RecordStore::Opening::ExistingOnly);
            return failure ? failure : store.eraseAll();
        },
        [this](const std::optional<records::RecordError>& failure) {
            if (failure) {
                complain(failure->message());
            }
            reload();
        });
}

void RecordsWindow::complain(const QString& text)
{
    QMessageBox::warning(this, Title, text);
}

} // namespace pabrel::desktop

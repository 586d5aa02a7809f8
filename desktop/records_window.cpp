// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records_window.h"

#include "csv_export.h"
#include "game_words.h"
#include "overview_reading.h"
#include "record_store.h"
#include "span_chart.h"
#include "span_estimator.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent>

#include <algorithm>

namespace pabrel::desktop {

namespace {
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

// Enables the entries of `choice` that are `offered`; a chosen one that is not gives way to
// the first that is.
void offerOnly(QComboBox* choice, const std::vector<bool>& offered)
{
    const QSignalBlocker quiet(choice);
    auto* items = static_cast<QStandardItemModel*>(choice->model());
    for (int index = 0; index < choice->count(); ++index) {
        items->item(index)->setEnabled(offered.at(std::size_t(index)));
    }
    const auto first = std::find(offered.begin(), offered.end(), true);
    if (!offered.at(std::size_t(choice->currentIndex())) && first != offered.end()) {
        choice->setCurrentIndex(int(first - offered.begin()));
    }
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

    exportButton_ = new QPushButton;
    exportButton_->setObjectName(QStringLiteral("exportButton"));
    eraseButton_ = new QPushButton;
    eraseButton_->setObjectName(QStringLiteral("eraseButton"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->addButton(exportButton_, QDialogButtonBox::ActionRole);
    buttons->addButton(eraseButton_, QDialogButtonBox::DestructiveRole);
    closeButton_ = buttons->button(QDialogButtonBox::Close);
    connect(exportButton_, &QPushButton::clicked, this, &RecordsWindow::chooseExportFile);
    connect(eraseButton_, &QPushButton::clicked, this, &RecordsWindow::askToEraseAll);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addWidget(buttons);
    retranslate();
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
    totals_ = new QFormLayout;
    for (QLabel* value : {roundsValue_, shareValue_, bestLevelValue_, longestValue_}) {
        totals_->addRow(new QLabel, value);
    }

    levels_ = new QTableWidget(0, 3);
    levels_->setObjectName(QStringLiteral("levels"));
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
    figures->addLayout(totals_);
    figures->addWidget(levels_, 1);

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(createHeadline());
    layout->addWidget(chart_, 1);
    layout->addLayout(figures);
    return page;
}

// The span of the last seven days, and beside it that of the seven before; where rounds
// were answered in another order or read aloud, a choice of which rounds it is for.
QLayout* RecordsWindow::createHeadline()
{
    spanTitle_ = new QLabel;
    spanTitle_->setObjectName(QStringLiteral("spanTitle"));
    spanNow_ = valueLabel("spanNow");
    QFont large = spanNow_->font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    large.setBold(true);
    spanNow_->setFont(large);
    weekBeforeTitle_ = new QLabel;
    spanWeekBefore_ = valueLabel("spanWeekBefore");
    orderTitle_ = new QLabel;
    order_ = new QComboBox;
    order_->setObjectName(QStringLiteral("answerOrder"));
    orderTitle_->setBuddy(order_);
    for (int order = 0; order < RecallOrderCount; ++order) {
        order_->addItem(QString());
    }
    presentation_ = new QComboBox;
    presentation_->setObjectName(QStringLiteral("presentation"));
    presentation_->addItems({QString(), QString()});
    for (QComboBox* choice : {order_, presentation_}) {
        connect(choice, &QComboBox::currentIndexChanged, this, [this] {
            if (overview_ && overview_->all().rounds > 0) {
                showFigures();
            }
        });
    }
    auto* headline = new QHBoxLayout;
    headline->addWidget(spanTitle_);
    headline->addWidget(spanNow_);
    headline->addSpacing(24);
    headline->addWidget(weekBeforeTitle_);
    headline->addWidget(spanWeekBefore_);
    headline->addStretch(1);
    headline->addWidget(orderTitle_);
    headline->addWidget(order_);
    headline->addWidget(presentation_);
    return headline;
}

void RecordsWindow::showEvent(QShowEvent* event)
{
    reload();
    QWidget::showEvent(event);
}

void RecordsWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QWidget::changeEvent(event);
}

void RecordsWindow::retranslate()
{
    setWindowTitle(tr("記録 - Pabrel"));
    exportButton_->setText(tr("CSV に書き出す…"));
    eraseButton_->setText(tr("記録を消す…"));
    closeButton_->setText(tr("閉じる"));
    const QString totals[] = {tr("遊んだ回数"), tr("正解率"), tr("到達した最高レベル"),
                              tr("正解した最長の桁数")};
    for (int row = 0; row < totals_->rowCount(); ++row) {
        static_cast<QLabel*>(totals_->itemAt(row, QFormLayout::LabelRole)->widget())
            ->setText(totals[row]);
    }
    levels_->setHorizontalHeaderLabels({tr("レベル"), tr("回数"), tr("正解率")});
    spanTitle_->setText(tr("記憶スパン（直近7日間）"));
    weekBeforeTitle_->setText(tr("その前の7日間"));
    const QString explained =
        tr("この桁数の数字の列なら、だいたい半分は正しく答えられる、という長さです。\n"
           "±は推定の幅です。本当の値は、およそ3回に2回この幅の中にあります。\n"
           "遊ぶ回数が増えるほど幅は狭くなり、推定は確かになります。");
    for (QWidget* headline : std::initializer_list<QWidget*>{spanTitle_, spanNow_}) {
        headline->setToolTip(explained);
    }
    for (const RecallOrder order : RecallOrders) {
        order_->setItemText(int(order), QCoreApplication::translate(
                                            words::Context, words::orderName(order).data()));
    }
    orderTitle_->setText(QCoreApplication::translate(words::Context, words::AnswerOrder.data()));
    presentation_->setItemText(0, tr("画面に出た数字"));
    presentation_->setItemText(1, tr("読み上げた数字"));
    presentation_->setAccessibleName(tr("記憶スパンの対象"));
    showState();
}

// What the window has to show: its figures, or why there are none yet.
void RecordsWindow::showState()
{
    if (reading_ && !overview_ && !failure_) {
        showEmptyState(tr("読み込んでいます…"));
    } else if (failure_ && failure_->kind != records::RecordError::Kind::Missing) {
        showEmptyState(failure_->message(records::RecordError::Use::Reading));
    } else if (!overview_ || overview_->all().rounds == 0) {
        showEmptyState(tr("まだ記録がありません"));
    } else {
        showFigures();
    }
}

void RecordsWindow::reload()
{
    if (reading_) {
        readAgain_ = true;
        return;
    }
    reading_ = true;
    if (!overview_ && !failure_) {
        showState();
    }
    inBackground(
        this, [file = file_] { return records::readOverview(file); },
        [this](records::OverviewReading reading) {
            reading_ = false;
            if (readAgain_) {
                readAgain_ = false;
                reload();
                return;
            }
            failure_ = std::move(reading.failure);
            overview_ = std::move(reading.overview);
            showState();
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
    const int rounds = overview_->all().rounds;
    overview_->add(round);
    if (overview_->all().rounds == rounds) {
        return;
    }
    const records::RoundKind shown = kind();
    if (rounds == 0) {
        showState();
    } else if (showHeadlineAndTotals(); kind() != shown) {
        chart_->show(*overview_, kind());
    } else if (round.kind() == shown) {
        chart_->showLatestRound(*overview_, shown);
    }
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
    showHeadlineAndTotals();
    chart_->show(*overview_, kind());
    pages_->setCurrentIndex(1);
    exportButton_->setEnabled(true);
    eraseButton_->setEnabled(true);
}

records::RoundKind RecordsWindow::kind() const
{
    const auto presentation = !presentation_->isHidden() && presentation_->currentIndex() == 1
                                  ? records::Presentation::Spoken
                                  : records::Presentation::Shown;
    return {RecallOrders.at(std::size_t(std::max(order_->currentIndex(), 0))), presentation};
}

void RecordsWindow::showHeadlineAndTotals()
{
    offerPlayedKinds();
    showSpan();
    fillTotals();
    fillLevels();
}

// The choices appear once there are rounds of another order, or read aloud, and offer only
// the kinds played; while the kind on show has no rounds, one that has is shown instead.
void RecordsWindow::offerPlayedKinds()
{
    using records::Presentation;
    const auto played = [this](RecallOrder order, Presentation presentation) {
        return overview_->of({order, presentation}).rounds > 0;
    };
    std::vector<bool> orders;
    for (const RecallOrder order : RecallOrders) {
        orders.push_back(played(order, Presentation::Shown) || played(order, Presentation::Spoken));
    }
    offerOnly(order_, orders);
    const bool otherOrders = std::find(orders.begin() + 1, orders.end(), true) != orders.end();
    order_->setVisible(otherOrders);
    orderTitle_->setVisible(otherOrders);
    const RecallOrder order = kind().order;
    const std::vector<bool> presentations{played(order, Presentation::Shown),
                                          played(order, Presentation::Spoken)};
    offerOnly(presentation_, presentations);
    presentation_->setVisible(presentations[1]);
}

void RecordsWindow::showSpan()
{
    const QDate today = QDate::currentDate();
    const auto& span = overview_->span();
    spanNow_->setText(span.week(today, kind())
                          .said({tr("%1桁（±%2）"), tr("%1桁以上"), tr("%1桁以下"),
                                 tr("回数が足りません（%1回）")}));
    spanWeekBefore_->setText(span.week(today.addDays(-records::SpanEstimator::WeekDays), kind())
                                 .said({tr("%1桁（±%2）"), tr("%1桁以上"), tr("%1桁以下"),
                                        tr("回数が足りません（%1回）")}));
}

void RecordsWindow::fillTotals()
{
    const records::RecordsOverview::Totals& totals = overview_->of(kind());
    roundsValue_->setText(tr("%L1回").arg(totals.rounds));
    shareValue_->setText(percent(totals.correct, totals.rounds));
    bestLevelValue_->setText(QString::number(totals.bestLevel));
    longestValue_->setText(totals.longestRecalled == 0 ? QStringLiteral("-")
                                                       : tr("%1桁").arg(totals.longestRecalled));
}

void RecordsWindow::fillLevels()
{
    const auto& levels = overview_->of(kind()).levels;
    levels_->setRowCount(static_cast<int>(levels.size()));
    int row = 0;
    for (const auto& level : levels) {
        const QString texts[] = {QString::number(level.level),
                                 QStringLiteral("%L1").arg(level.rounds),
                                 percent(level.correct, level.rounds)};
        for (int column = 0; column < 3; ++column) {
            if (QTableWidgetItem* item = levels_->item(row, column)) {
                item->setText(texts[column]);
            } else {
                levels_->setItem(row, column, cell(texts[column]));
            }
        }
        ++row;
    }
}

void RecordsWindow::chooseExportFile()
{
    const QString path = QFileDialog::getSaveFileName(
        this, tr("CSV に書き出す"), QDir::home().filePath(QStringLiteral("pabrel-records.csv")),
        QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    const int rounds = overview_ ? overview_->all().rounds : 0;
    auto* told = new QObject(this);
    connect(this, &RecordsWindow::exported, told, [this, told, rounds, path](bool written) {
        told->deleteLater();
        if (written) {
            QMessageBox::information(this, windowTitle(),
                                     tr("%n回分の記録を書き出しました。\n\n%1", nullptr, rounds)
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
            exportButton_->setEnabled(overview_ && overview_->all().rounds > 0);
            if (failure) {
                complain(
                    failure->reading
                        ? failure->reading->message(records::RecordError::Use::Reading)
                        : tr("書き出せませんでした（%1）。\n\n%2").arg(failure->writing, path));
            }
            emit exported(!failure);
        });
}

void RecordsWindow::askToEraseAll()
{
    const int rounds = overview_ ? overview_->all().rounds : 0;
    if (rounds == 0) {
        return;
    }
    QMessageBox ask(QMessageBox::Warning, windowTitle(),
                    tr("%n回分の記録をすべて消します。元には戻せません。", nullptr, rounds),
                    QMessageBox::Cancel, this);
    ask.setObjectName(QStringLiteral("eraseConfirmation"));
    QPushButton* erase = ask.addButton(tr("消す"), QMessageBox::DestructiveRole);
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
                complain(failure->message(records::RecordError::Use::Reading));
            }
            reload();
        });
}

void RecordsWindow::complain(const QString& text)
{
    QMessageBox::warning(this, windowTitle(), text);
}

} // namespace pabrel::desktop

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The records window on a real records file, seeded with a known history.

#include "record_files.h"
#include "record_store.h"
#include "records_window.h"
#include "span_chart.h"
#include "translations.h"

#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

using pabrel::desktop::RecordsWindow;
using pabrel::records::RecordStore;
using pabrel::records::RoundRecord;

class RecordsWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void showsTheHistory();
    void showsWhyThereIsNothingToShow();
    void erasesOnlyOnceConfirmed();
    void exportsWhatItShows();
    void thinsALongHistoryToItsBand();

private:
    template <typename T>
    static T* named(const RecordsWindow& window, const char* name)
    {
        return window.findChild<T*>(QLatin1String(name));
    }
    static QString text(const RecordsWindow& window, const char* label)
    {
        return named<QLabel>(window, label)->text();
    }

    std::unique_ptr<QTemporaryDir> home_;
    QString file_;
};

namespace {
void playSitting(RecordStore& store, const QDateTime& from, const char* answers,
                 pabrel::records::RoundKind kind = {})
{
    for (const RoundRecord& round :
         pabrel::testing::playedRounds(from, answers, pabrel::MinLevel, kind)) {
        QVERIFY(!store.add(round));
    }
}
} // namespace

// A sitting eight days ago that swings between 7 and 6 digits, and one an hour ago that
// swings between 5 and 4.
void RecordsWindowTest::init()
{
    home_ = std::make_unique<QTemporaryDir>();
    file_ = home_->filePath(QStringLiteral("pabrel/records.sqlite3"));
    RecordStore store(file_);
    QVERIFY(!store.open(RecordStore::Opening::CreateIfMissing));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    playSitting(store, now.addDays(-8), "+++++-+-+-+");
    playSitting(store, now.addSecs(-3600), "+++-+-+-+");
}

void RecordsWindowTest::showsTheHistory()
{
    RecordsWindow window(file_);
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("記録 - Pabrel"));
    QTRY_COMPARE(text(window, "rounds"), QStringLiteral("20回"));
    QCOMPARE(text(window, "spanNow"), QStringLiteral("4.6桁（±0.5）"));
    QCOMPARE(text(window, "spanWeekBefore"), QStringLiteral("6.6桁（±0.5）"));
    QVERIFY(named<QLabel>(window, "spanTitle")->toolTip().contains(QStringLiteral("半分")));
    QVERIFY(named<QComboBox>(window, "presentation")->isHidden());
    QCOMPARE(text(window, "shareCorrect"), QStringLiteral("70.0%"));
    QCOMPARE(text(window, "bestLevel"), QStringLiteral("6"));
    QCOMPARE(text(window, "longestRecalled"), QStringLiteral("6桁"));

    const auto* levels = named<QTableWidget>(window, "levels");
    const QStringList expected[] = {{"1", "2", "100.0%"}, {"2", "2", "100.0%"},
                                    {"3", "5", "100.0%"}, {"4", "4", "25.0%"},
                                    {"5", "4", "100.0%"}, {"6", "3", "0.0%"}};
    QCOMPARE(levels->rowCount(), 6);
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 3; ++column) {
            QCOMPARE(levels->item(row, column)->text(), expected[row][column]);
        }
    }

    // Each round's digits behind, each day's span in front.
    const QList<QAbstractSeries*> series = named<QChartView>(window, "chart")->chart()->series();
    const auto* rounds = static_cast<QLineSeries*>(series[0]);
    QCOMPARE(rounds->count(), 20);
    QCOMPARE(rounds->at(5).y(), 7.0);
    // The days between have no figure: the line breaks there.
    const QList<QPointF> before = static_cast<QLineSeries*>(series[3])->points();
    const QList<QPointF> today = static_cast<QLineSeries*>(series[5])->points();
    QCOMPARE(before.size(), 1);
    QCOMPARE(today.size(), 1);
    QCOMPARE(qRound(before[0].y() * 10), 66);
    QCOMPARE(qRound(today[0].y() * 10), 46);
    QVERIFY(named<QPushButton>(window, "exportButton")->isEnabled());

    // A round just written joins the figures without the file being read again.
    RoundRecord round;
    round.startedAt = QDateTime::currentDateTimeUtc();
    round.level = 4;
    round.outcome = pabrel::RoundOutcome::Correct;
    QSignalSpy shown(&window, &RecordsWindow::figuresShown);
    window.roundWritten(round);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(text(window, "rounds"), QStringLiteral("21回"));
    QCOMPARE(rounds->count(), 21);
    const QString spanNow = text(window, "spanNow");

    // Rounds read aloud have a span of their own, offered beside.
    round.presentation = pabrel::records::Presentation::Spoken;
    window.roundWritten(round);
    auto* presentation = named<QComboBox>(window, "presentation");
    QVERIFY(!presentation->isHidden());
    QCOMPARE(text(window, "spanNow"), spanNow);
    presentation->setCurrentIndex(1);
    QCOMPARE(text(window, "spanNow"), QStringLiteral("回数が足りません（1回）"));
    presentation->setCurrentIndex(0);

    // So do rounds answered in another order, with their own totals, levels and chart; an
    // order not played is not offered.
    auto* order = named<QComboBox>(window, "answerOrder");
    QVERIFY(order->isHidden());
    round.presentation = pabrel::records::Presentation::Shown;
    round.order = pabrel::RecallOrder::Backward;
    window.roundWritten(round);
    QVERIFY(!static_cast<QStandardItemModel*>(order->model())->item(2)->isEnabled());
    order->setCurrentIndex(1);
    QCOMPARE(text(window, "rounds"), QStringLiteral("1回"));
    QCOMPARE(named<QTableWidget>(window, "levels")->rowCount(), 1);
    QCOMPARE(rounds->count(), 1);
    QVERIFY(presentation->isHidden());
    order->setCurrentIndex(0);

    // In English at once, and back.
    for (const auto& [language, title, span] :
         {std::tuple{pabrel::ui::Language::English, "Records - Pabrel", "4.9 digits (±0.7)"},
          std::tuple{pabrel::ui::Language::Japanese, "記録 - Pabrel", "4.9桁（±0.7）"}}) {
        const pabrel::ui::Translations translations(language);
        QTRY_COMPARE(window.windowTitle(), QString::fromUtf8(title));
        QCOMPARE(text(window, "spanNow"), QString::fromUtf8(span));
    }
}

void RecordsWindowTest::showsWhyThereIsNothingToShow()
{
    const QString missing = home_->filePath(QStringLiteral("none/records.sqlite3"));
    const QString broken = home_->filePath(QStringLiteral("broken.sqlite3"));
    QFile brokenFile(broken);
    QVERIFY(brokenFile.open(QIODevice::WriteOnly));
    brokenFile.write(QByteArray(2048, 'x'));
    brokenFile.close();
    const struct
    {
        QString file;
        QString says;
    } cases[] = {{missing, QStringLiteral("まだ記録がありません")},
                 {broken, QStringLiteral("壊れている")}};
    for (const auto& c : cases) {
        RecordsWindow window(c.file);
        window.show();
        QTRY_VERIFY2(text(window, "emptyState").contains(c.says),
                     qPrintable(text(window, "emptyState")));
        QVERIFY(named<QLabel>(window, "emptyState")->isVisible());
        QVERIFY(!named<QPushButton>(window, "eraseButton")->isEnabled());
    }
    QVERIFY(!QFileInfo::exists(missing));
}

void RecordsWindowTest::erasesOnlyOnceConfirmed()
{
    RecordsWindow window(file_);
    window.show();
    QTRY_COMPARE(text(window, "rounds"), QStringLiteral("20回"));
    for (const bool confirm : {false, true}) {
        QString asked;
        QTimer::singleShot(0, &window, [&] {
            auto* box = window.findChild<QMessageBox*>(QStringLiteral("eraseConfirmation"));
            asked = box->text();
            for (QAbstractButton* button : box->buttons()) {
                if ((box->buttonRole(button) == QMessageBox::DestructiveRole) == confirm) {
                    button->click();
                    return;
                }
            }
        });
        named<QPushButton>(window, "eraseButton")->click();
        QVERIFY2(asked.contains(QStringLiteral("20回分")), qPrintable(asked));
        if (!confirm) {
            QCOMPARE(text(window, "rounds"), QStringLiteral("20回"));
        }
    }
    QTRY_COMPARE(text(window, "emptyState"), QStringLiteral("まだ記録がありません"));
    QVERIFY(QFileInfo::exists(file_));
}

void RecordsWindowTest::exportsWhatItShows()
{
    RecordsWindow window(file_);
    const QString csv = home_->filePath(QStringLiteral("out/records.csv"));
    QVERIFY(QDir().mkpath(QFileInfo(csv).absolutePath()));
    QSignalSpy exported(&window, &RecordsWindow::exported);
    window.exportTo(csv);
    QVERIFY(exported.wait());
    QCOMPARE(exported.first().first().toBool(), true);
    QFile written(csv);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = written.readAll().split('\n');
    QCOMPARE(lines.size(), 22);
    QVERIFY(lines[1].endsWith(",1,55,55,correct,600,,,shown,forward\r"));
    QVERIFY(lines[6].endsWith(",6,5555555,\"5,\"\"x\",wrong,300,,,shown,forward\r"));
}

// Each run of rounds, its last one shorter, becomes its lowest level at its first time and its
// highest at its last.
void RecordsWindowTest::thinsALongHistoryToItsBand()
{
    const std::vector<pabrel::records::RecordsOverview::Point> points{
        {0, 3}, {1, 1}, {2, 2}, {3, 5}, {4, 4}};
    std::vector<std::pair<qint64, int>> band;
    for (const auto& point : pabrel::desktop::thinned(points, 4)) {
        band.emplace_back(point.msecsSinceEpoch, point.level);
    }
    QCOMPARE(band, (std::vector<std::pair<qint64, int>>{{0, 1}, {2, 3}, {3, 4}, {4, 5}}));
}

QTEST_MAIN(RecordsWindowTest)
#include "records_window_test.moc"

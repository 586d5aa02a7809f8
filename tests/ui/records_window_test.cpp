// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The records window on a real records file, seeded with a known history.

#include "record_store.h"
#include "records_window.h"

#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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

// Ten rounds over two days: levels 1 2 3 3 2 3 4 5 4 3, right when the next is higher.
void RecordsWindowTest::init()
{
    home_ = std::make_unique<QTemporaryDir>();
    file_ = home_->filePath(QStringLiteral("pabrel/records.sqlite3"));
    RecordStore store(file_);
    QVERIFY(!store.open(RecordStore::Opening::CreateIfMissing));
    const int levels[] = {1, 2, 3, 3, 2, 3, 4, 5, 4, 3};
    for (int i = 0; i < 10; ++i) {
        RoundRecord round;
        round.startedAt =
            QDateTime(QDate(2026, 5, i < 6 ? 1 : 2), QTime(12, i), Qt::UTC).addMSecs(5);
        round.level = levels[i];
        round.shown = QString(levels[i] + 1, QLatin1Char('5'));
        const bool right = i + 1 < 10 && levels[i + 1] > levels[i];
        round.outcome = right ? QStringLiteral("correct") : QStringLiteral("wrong");
        round.typed = right ? round.shown : QStringLiteral("5,\"x");
        round.displayMs = round.level <= 2 ? 600 : 300;
        round.paintedMs = round.displayMs + 0.5;
        round.answerMs = 1200 + i;
        QVERIFY(!store.add(round));
    }
}

void RecordsWindowTest::showsTheHistory()
{
    RecordsWindow window(file_);
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("記録 - Pabrel"));
    QCOMPARE(text(window, "rounds"), QStringLiteral("10回"));
    QCOMPARE(text(window, "shareCorrect"), QStringLiteral("50.0%"));
    QCOMPARE(text(window, "bestLevel"), QStringLiteral("レベル 5"));
    QCOMPARE(text(window, "longestRecalled"), QStringLiteral("5桁"));

    const auto* levels = named<QTableWidget>(window, "levels");
    const QStringList expected[] = {{"1", "1", "100.0%"},
                                    {"2", "2", "100.0%"},
                                    {"3", "4", "25.0%"},
                                    {"4", "2", "50.0%"},
                                    {"5", "1", "0.0%"}};
    QCOMPARE(levels->rowCount(), 5);
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 3; ++column) {
            QCOMPARE(levels->item(row, column)->text(), expected[row][column]);
        }
    }

    const QList<QAbstractSeries*> series = named<QChartView>(window, "chart")->chart()->series();
    QCOMPARE(series.size(), 2);
    QCOMPARE(static_cast<QLineSeries*>(series[0])->count(), 10);
    QCOMPARE(static_cast<QLineSeries*>(series[0])->at(7).y(), 5.0);
    const QList<QPointF> days = static_cast<QLineSeries*>(series[1])->points();
    QCOMPARE(days.size(), 2);
    QCOMPARE(days[0].y(), 3.0);
    QCOMPARE(days[1].y(), 5.0);
    QVERIFY(named<QPushButton>(window, "exportButton")->isEnabled());
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
        const QString shown = text(window, "emptyState");
        QVERIFY2(shown.contains(c.says), qPrintable(shown));
        QVERIFY(named<QLabel>(window, "emptyState")->isVisible());
        QVERIFY(!named<QPushButton>(window, "eraseButton")->isEnabled());
    }
    QVERIFY(!QFileInfo::exists(missing));
}

void RecordsWindowTest::erasesOnlyOnceConfirmed()
{
    RecordsWindow window(file_);
    window.show();
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
        QVERIFY2(asked.contains(QStringLiteral("10回分")), qPrintable(asked));
        if (!confirm) {
            QCOMPARE(text(window, "rounds"), QStringLiteral("10回"));
        }
    }
    QCOMPARE(text(window, "emptyState"), QStringLiteral("まだ記録がありません"));
    QVERIFY(QFileInfo::exists(file_));
}

void RecordsWindowTest::exportsWhatItShows()
{
    RecordsWindow window(file_);
    const QString csv = home_->filePath(QStringLiteral("out/records.csv"));
    QVERIFY(QDir().mkpath(QFileInfo(csv).absolutePath()));
    QVERIFY(window.exportTo(csv));
    QFile written(csv);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = written.readAll().split('\n');
    QCOMPARE(lines.size(), 12);
    QCOMPARE(lines[1], QByteArray("2026-05-01T12:00:00.005Z,1,55,55,correct,600,600.50,1200\r"));
    QCOMPARE(lines[3],
             QByteArray("2026-05-01T12:02:00.005Z,3,5555,\"5,\"\"x\",wrong,300,300.50,1202\r"));
}

QTEST_MAIN(RecordsWindowTest)
#include "records_window_test.moc"

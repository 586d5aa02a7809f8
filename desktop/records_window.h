// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "records_overview.h"

#include <QWidget>

#include <memory>

class QChartView;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTableWidget;

namespace pabrel::records {
class RecordStore;
}

namespace pabrel::desktop {

// 記録: the player's progress read from the records file: the level over time, totals,
// each level's share of correct answers, and buttons to export or erase it all. It reads
// the file whenever it is shown or told to, and never holds the game up.
class RecordsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit RecordsWindow(const QString& file, QWidget* parent = nullptr);
    ~RecordsWindow() override;

    // Reads the file again.
    void reload();
    // Writes every round to `path` as CSV; says what went wrong and returns false if it
    // could not.
    bool exportTo(const QString& path);
    // Asks first, saying how many rounds would go.
    void askToEraseAll();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* createContentPage();
    void showOverview(const records::RecordsOverview& overview);
    void showEmptyState(const QString& text);
    void fillChart(const records::RecordsOverview& overview);
    void fillLevels(const records::RecordsOverview& overview);
    bool openStore();
    void chooseExportFile();
    void complain(const QString& text);

    QString file_;
    std::unique_ptr<records::RecordStore> store_;
    int rounds_ = 0;
    QStackedWidget* pages_ = nullptr;
    QLabel* emptyState_ = nullptr;
    QChartView* chart_ = nullptr;
    QLabel* roundsValue_ = nullptr;
    QLabel* shareValue_ = nullptr;
    QLabel* bestLevelValue_ = nullptr;
    QLabel* longestValue_ = nullptr;
    QTableWidget* levels_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QPushButton* eraseButton_ = nullptr;
};

} // namespace pabrel::desktop

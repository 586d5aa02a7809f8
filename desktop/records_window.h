// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "record_error.h"
#include "records_overview.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QFormLayout;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTableWidget;

namespace pabrel::desktop {

class SpanChart;

// 記録: the player's progress read from the records file: the digit span in the last seven
// days and the seven before, its course over time, totals and each level's share of correct
// answers, for one kind of round at a time (answered as shown, backwards or smallest first;
// flashed or read aloud), and buttons to export or erase it all. The file is read, exported and
// erased on threads of their own, so that the game never waits for it; a round just written joins
// the figures at once.
class RecordsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit RecordsWindow(const QString& file, QWidget* parent = nullptr);
    ~RecordsWindow() override;

    // A round that has just been written to the file.
    void roundWritten(const records::RoundRecord& round);
    // Writes every round to `path` as CSV; exported() follows, and says what went wrong.
    // The export button asks for `path` first; the tests give it.
    void exportTo(const QString& path);

signals:
    // The figures on show are up to date with the file.
    void figuresShown();
    void exported(bool written);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Reads the file again; the figures follow.
    void reload();
    // Asks first, saying how many rounds would go.
    void askToEraseAll();
    QWidget* createContentPage();
    QLayout* createHeadline();
    void retranslate();
    void showState();
    void showFigures();
    void showEmptyState(const QString& text);
    void showHeadlineAndTotals();
    void offerPlayedKinds();
    void showSpan();
    records::RoundKind kind() const;
    void fillTotals();
    void fillLevels();
    void chooseExportFile();
    void complain(const QString& text);

    QString file_;
    std::optional<records::RecordsOverview> overview_;
    // Why the file could not be read, the last time it was.
    std::optional<records::RecordError> failure_;
    bool reading_ = false;
    // A round was written while the file was being read.
    bool readAgain_ = false;
    QStackedWidget* pages_ = nullptr;
    QLabel* emptyState_ = nullptr;
    QLabel* spanTitle_ = nullptr;
    QLabel* spanNow_ = nullptr;
    QLabel* weekBeforeTitle_ = nullptr;
    QLabel* spanWeekBefore_ = nullptr;
    QLabel* orderTitle_ = nullptr;
    QComboBox* order_ = nullptr;
    QComboBox* presentation_ = nullptr;
    SpanChart* chart_ = nullptr;
    QLabel* roundsValue_ = nullptr;
    QLabel* shareValue_ = nullptr;
    QLabel* bestLevelValue_ = nullptr;
    QLabel* longestValue_ = nullptr;
    QFormLayout* totals_ = nullptr;
    QTableWidget* levels_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QPushButton* eraseButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace pabrel::desktop

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "record_writer.h"

#include <QObject>
#include <QPointer>

class QAction;

namespace pabrel::ui {
class Form1;
} // namespace pabrel::ui

namespace pabrel::desktop {

class RecordsWindow;

// Keeps the player's records while the game is played: each finished round goes to the
// records file, a failure is told to the player once, and the game window's context menu
// opens the records window. The window owns it, and it lives as long as the window, and its
// menu entry follows the window's language.
class RecordKeeping : public QObject
{
    Q_OBJECT

public:
    RecordKeeping(ui::Form1& form, const QString& file);
    ~RecordKeeping() override;

    // Opens the records window, or brings it forward.
    void showRecords();

    // For the tests and the benchmark.
    records::RecordWriter& writer() { return writer_; }
    RecordsWindow* recordsWindow() const { return window_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reportFailure(const records::RecordError& error);

    ui::Form1& form_;
    QString file_;
    records::RecordWriter writer_;
    QPointer<RecordsWindow> window_;
    QAction* show_;
};

} // namespace pabrel::desktop

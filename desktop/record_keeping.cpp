// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "record_keeping.h"

#include "form1.h"
#include "records_window.h"
#include "round_recorder.h"

#include <QAction>
#include <QEvent>
#include <QMessageBox>

namespace pabrel::desktop {

RecordKeeping::RecordKeeping(ui::Form1& form, const QString& file)
    : QObject(&form), form_(form), file_(file), writer_(file), show_(new QAction(&form))
{
    connect(form.roundRecorder(), &ui::RoundRecorder::roundFinished, &writer_,
            &records::RecordWriter::write);
    // The disk is left alone while the digits show.
    connect(form.roundRecorder(), &ui::RoundRecorder::flashing, &writer_,
            &records::RecordWriter::holdWrites);
    // A round judged just before the window closes is still a result.
    connect(&form, &ui::Form1::unloaded, form.roundRecorder(), &ui::RoundRecorder::flush);
    connect(&writer_, &records::RecordWriter::failed, this, &RecordKeeping::reportFailure);
    connect(&writer_, &records::RecordWriter::written, this,
            [this](const records::RoundRecord& round) {
                if (window_) {
                    window_->roundWritten(round);
                }
            });

    show_->setText(tr("記録を見る…"));
    show_->setObjectName(QStringLiteral("showRecords"));
    connect(show_, &QAction::triggered, this, &RecordKeeping::showRecords);
    form.addAction(show_);
    form.installEventFilter(this);
}

RecordKeeping::~RecordKeeping()
{
    delete window_;
}

bool RecordKeeping::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        show_->setText(tr("記録を見る…"));
    }
    return QObject::eventFilter(watched, event);
}

void RecordKeeping::showRecords()
{
    if (!window_) {
        window_ = new RecordsWindow(file_);
        window_->setAttribute(Qt::WA_DeleteOnClose);
        window_->setWindowIcon(form_.windowIcon());
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

// Told without a modal loop: play goes on, only without records.
void RecordKeeping::reportFailure(const records::RecordError& error)
{
    auto* box = new QMessageBox(QMessageBox::Warning, tr("記録 - Pabrel"),
                                error.message(records::RecordError::Use::Recording),
                                QMessageBox::Ok, &form_);
    box->setObjectName(QStringLiteral("recordsFailure"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

} // namespace pabrel::desktop

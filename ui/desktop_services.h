// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtPlugin>

#include <memory>

class QObject;
class QWidget;

namespace pabrel::ui {

class Bell;
class Form1;
class SpeechClient;

// What the game takes from the desktop beyond its window: the player's records and their
// window, the speech service's voice and the sound theme's bell. They live in a plugin of
// their own, loaded once the window's first frame is out, so that none of the libraries
// behind them (Qt SQL, Qt Charts, libspeechd, libcanberra) delays it.
class DesktopServices
{
public:
    virtual ~DesktopServices() = default;

    // The sound theme's bell, falling back to the toolkit's beep.
    virtual std::unique_ptr<Bell> makeBell() = 0;
    // A client of the speech service, or none where the program was built without one.
    virtual std::unique_ptr<SpeechClient> makeSpeech() = 0;
    // Keeps the records of every round played in `form` from now on, in `recordsFile`,
    // and offers the records window in the form's menu, for as long as the returned
    // keeper lives; it must go before the form.
    virtual std::unique_ptr<QObject> keepRecords(Form1& form, const QString& recordsFile) = 0;
    virtual std::unique_ptr<QWidget> makeRecordsWindow(const QString& recordsFile) = 0;
    // Writes every round of `recordsFile` as CSV to `target` ("-": standard output), with
    // no display needed. Returns the exit status; a failure has been told on standard
    // error.
    virtual int exportCsv(const QString& recordsFile, const QString& target) = 0;
};

} // namespace pabrel::ui

#define PabrelDesktopServices_iid "org.pabrel.DesktopServices/1"
Q_DECLARE_INTERFACE(pabrel::ui::DesktopServices, PabrelDesktopServices_iid)

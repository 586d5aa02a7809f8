// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "language.h"

#include <QLoggingCategory>
#include <QObject>
#include <QString>

namespace pabrel::ui {

// Why the listening mode cannot speak: QT_LOGGING_RULES="pabrel.speech.debug=true".
Q_DECLARE_LOGGING_CATEGORY(speechLog)

// Says short texts aloud through the desktop's speech service, one at a time, with the
// voice and rate the user has chosen there. Nothing waits for the service: requests are
// taken in order, and what comes of them is reported later, on this object's thread.
class SpeechClient : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Starts connecting to the service; opened() or failed() follows.
    virtual void open() = 0;
    // Why speech failed, once failed() has come.
    virtual QString failure() const = 0;
    // The language of what is said from now on, with the user's voice for it.
    virtual void setLanguage(Language language) = 0;
    // Has the text said once what was asked before is done; spoken() follows.
    virtual void say(const QString& text) = 0;
    // Stops what is being said; nothing more is reported about it.
    virtual void cancel() = 0;

signals:
    void opened();
    void spoken();
    // The service could not be reached, refused what was asked, or did not answer in
    // time. Comes once, and the client is of no further use.
    void failed();
};

} // namespace pabrel::ui

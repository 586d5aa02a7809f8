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
// voice and rate the user has chosen there.
class SpeechClient : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Connects to the service; false if it cannot be reached, with the reason in
    // failure().
    virtual bool open() = 0;
    virtual QString failure() const = 0;
    // The language of what is said from now on, with the user's voice for it.
    virtual void setLanguage(Language language) = 0;
    // Starts saying the text; spoken() or failed() follows, on this object's thread.
    virtual void say(const QString& text) = 0;
    // Stops what is being said; nothing more is reported about it.
    virtual void cancel() = 0;

signals:
    void spoken();
    void failed();
};

} // namespace pabrel::ui

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "speech_client.h"

#include <QMetaObject>
#include <QStringList>

#include <optional>

namespace pabrel::testing {

// A speech service that notes each text and reports it said from the event loop, as the
// real one does, or only when told to.
class FakeSpeech : public ui::SpeechClient
{
    Q_OBJECT

public:
    struct Script
    {
        bool opens = true;
        bool endsByItself = true;
        QStringList said;
        int cancels = 0;
        std::optional<ui::Language> language;
    };

    explicit FakeSpeech(Script& script) : script_(script) {}

    void open() override
    {
        QMetaObject::invokeMethod(this,
                                  script_.opens ? &SpeechClient::opened : &SpeechClient::failed,
                                  Qt::QueuedConnection);
    }
    QString failure() const override { return QStringLiteral("no service in this test"); }
    void setLanguage(ui::Language language) override { script_.language = language; }
    void say(const QString& text) override
    {
        script_.said += text;
        if (script_.endsByItself) {
            QMetaObject::invokeMethod(this, &SpeechClient::spoken, Qt::QueuedConnection);
        }
    }
    void cancel() override { ++script_.cancels; }

    void finish() { emit spoken(); }
    void fail() { emit failed(); }

private:
    Script& script_;
};

} // namespace pabrel::testing

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "speech_client.h"

#include <cstddef>
#include <libspeechd.h>

namespace pabrel::desktop {

// Speaks through speech-dispatcher, starting it if the session has not yet. The library
// reports the end of each message on its own thread; the report is passed on to this
// object's thread, and only for the message said last. The language picks the voice: the
// user's own for it where one is set, else the synthesiser's.
class SpeechDispatcherClient : public ui::SpeechClient
{
    Q_OBJECT

public:
    explicit SpeechDispatcherClient(QObject* parent = nullptr);
    ~SpeechDispatcherClient() override;

    bool open() override;
    QString failure() const override { return failure_; }
    void setLanguage(ui::Language language) override;
    void say(const QString& text) override;
    void cancel() override;

    // Called on the library's thread when a message has been said or cut short.
    static void reportEnd(std::size_t message, bool spoken);

private:
    void ended(std::size_t message, bool spoken);

    SPDConnection* connection_ = nullptr;
    QString failure_;
    // The message whose end is awaited; 0 when none is.
    std::size_t awaited_ = 0;
};

} // namespace pabrel::desktop

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "speech_client.h"

#include <QTimer>

#include <chrono>
#include <cstddef>
#include <memory>

namespace pabrel::desktop {

// The client's requests, and its speech thread's way back to it.
struct SpeechLine;
struct SpeechRequest;

// Speaks through speech-dispatcher, starting it if the session has not yet. libspeechd
// waits for every reply without a limit, and a speech server whose sound output is stuck
// never answers, so the library is called only from a thread of the client's own: this
// thread posts its requests there and never waits. Should a request, connecting included,
// go unanswered for `patience`, speech has failed and the connection is given up, left to
// its thread, which ends once the library lets it go (or with the program). The language
// picks the voice: the user's own for it where one is set, else the synthesiser's.
class SpeechDispatcherClient : public ui::SpeechClient
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds DefaultPatience{2000};

    explicit SpeechDispatcherClient(std::chrono::milliseconds patience = DefaultPatience,
                                    QObject* parent = nullptr);
    ~SpeechDispatcherClient() override;

    void open() override;
    QString failure() const override { return failure_; }
    void setLanguage(ui::Language language) override;
    void say(const QString& text) override;
    void cancel() override;

private:
    friend class SpeechThread;

    void post(SpeechRequest request);
    void checkProgress();
    void ended(std::size_t message, bool spoken);
    void fail(const QString& why);
    void abandon();

    std::shared_ptr<SpeechLine> line_;
    std::chrono::milliseconds patience_;
    QTimer deadline_;
    QString failure_;
    // The messages asked for so far, and the one whose end is awaited (0 when none is).
    std::size_t said_ = 0;
    std::size_t awaited_ = 0;
};

} // namespace pabrel::desktop

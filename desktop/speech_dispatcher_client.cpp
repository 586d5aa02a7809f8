// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech_dispatcher_client.h"

#include <QMetaObject>
#include <QPointer>

#include <cstdlib>
#include <libspeechd.h>
#include <mutex>

namespace pabrel::desktop {

namespace {
// The library's callbacks carry no context of ours, so the open client is found here.
std::mutex openClientLock;
SpeechDispatcherClient* openClient = nullptr;

void messageEnded(std::size_t message, std::size_t, SPDNotificationType how)
{
    SpeechDispatcherClient::reportEnd(message, how == SPD_EVENT_END);
}
} // namespace

SpeechDispatcherClient::SpeechDispatcherClient(QObject* parent) : ui::SpeechClient(parent)
{
}

SpeechDispatcherClient::~SpeechDispatcherClient()
{
    if (connection_ == nullptr) {
        return;
    }
    {
        const std::lock_guard lock(openClientLock);
        openClient = nullptr;
    }
    spd_cancel(connection_);
    spd_close(connection_);
}

bool SpeechDispatcherClient::open()
{
    if (connection_ != nullptr) {
        return true;
    }
    char* error = nullptr;
    connection_ = spd_open2("pabrel", "digits", nullptr, SPD_MODE_THREADED, nullptr, 1, &error);
    if (connection_ == nullptr) {
        failure_ = QString::fromUtf8(error != nullptr ? error : "no connection");
        std::free(error);
        qCDebug(ui::speechLog).noquote() << "no connection to speech-dispatcher:" << failure_;
        return false;
    }
    {
        const std::lock_guard lock(openClientLock);
        if (openClient != nullptr) {
            failure_ = QStringLiteral("another speech connection is open");
            spd_close(connection_);
            connection_ = nullptr;
            return false;
        }
        openClient = this;
    }
    connection_->callback_end = &messageEnded;
    connection_->callback_cancel = &messageEnded;
    if (spd_set_notification_on(connection_, SPD_END) != 0 ||
        spd_set_notification_on(connection_, SPD_CANCEL) != 0) {
        failure_ = QStringLiteral("speech-dispatcher does not report when speech ends");
        qCDebug(ui::speechLog).noquote() << failure_;
        return false;
    }
    return true;
}

void SpeechDispatcherClient::setLanguage(ui::Language language)
{
    const QByteArray code = ui::languageCode(language).toLatin1();
    if (connection_ == nullptr || spd_set_language(connection_, code.constData()) != 0) {
        qCDebug(ui::speechLog) << "speech-dispatcher did not take the language" << code;
    }
}

// Queued behind whatever else the desktop says, and not cut off by it.
void SpeechDispatcherClient::say(const QString& text)
{
    const int message =
        connection_ != nullptr ? spd_say(connection_, SPD_MESSAGE, text.toUtf8().constData()) : -1;
    if (message <= 0) {
        qCDebug(ui::speechLog) << "speech-dispatcher did not take" << text;
        awaited_ = 0;
        QMetaObject::invokeMethod(this, &ui::SpeechClient::failed, Qt::QueuedConnection);
        return;
    }
    awaited_ = static_cast<std::size_t>(message);
}

void SpeechDispatcherClient::cancel()
{
    awaited_ = 0;
    if (connection_ != nullptr) {
        spd_cancel(connection_);
    }
}

void SpeechDispatcherClient::reportEnd(std::size_t message, bool spoken)
{
    const std::lock_guard lock(openClientLock);
    if (openClient == nullptr) {
        return;
    }
    QMetaObject::invokeMethod(
        openClient,
        [client = QPointer(openClient), message, spoken] {
            if (client != nullptr) {
                client->ended(message, spoken);
            }
        },
        Qt::QueuedConnection);
}

void SpeechDispatcherClient::ended(std::size_t message, bool spoken)
{
    if (message != awaited_) {
        return;
    }
    awaited_ = 0;
    qCDebug(ui::speechLog) << "message" << message << (spoken ? "spoken" : "cut short");
    if (spoken) {
        emit this->spoken();
    } else {
        emit failed();
    }
}

} // namespace pabrel::desktop

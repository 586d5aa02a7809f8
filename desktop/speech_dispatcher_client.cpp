// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech_dispatcher_client.h"

#include <QMetaObject>

#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <deque>
#include <libspeechd.h>
#include <mutex>
#include <pthread.h>
#include <system_error>
#include <thread>

namespace pabrel::desktop {

using Clock = std::chrono::steady_clock;

struct SpeechRequest
{
    enum class Kind
    {
        Open,
        Language,
        Say,
        Cancel,
    };
    Kind kind = Kind::Open;
    // The language's code, or the text to say, in UTF-8.
    QByteArray text;
    // The client's number for a message to say.
    std::size_t message = 0;
};

// Shared by the client and its thread, which outlives the client while the library holds
// it up.
struct SpeechLine
{
    struct Ending
    {
        std::size_t id;
        bool spoken;
    };

    std::mutex mutex;
    std::condition_variable wake;
    std::deque<SpeechRequest> requests;
    // Told by the library's own thread: a message said on this line has ended.
    std::deque<Ending> endings;
    // The requests posted and served so far, and when the thread took up the one it serves.
    std::size_t posted = 0;
    std::size_t served = 0;
    Clock::time_point takenAt;
    // Cleared when the client goes or gives the connection up: the thread then finishes.
    SpeechDispatcherClient* client = nullptr;
};

namespace {
// The library's callbacks carry no context of ours, so the line they are told to is kept
// here. One connection at a time listens; this lock is taken before any line's own.
std::mutex listenerLock;
SpeechLine* listener = nullptr;

void messageEnded(std::size_t id, std::size_t, SPDNotificationType how)
{
    const std::lock_guard registry(listenerLock);
    if (listener == nullptr) {
        return;
    }
    const std::lock_guard lock(listener->mutex);
    listener->endings.push_back({id, how == SPD_EVENT_END});
    listener->wake.notify_one();
}
} // namespace

// Serves one client's requests in order over one connection, on a thread of its own.
class SpeechThread
{
public:
    explicit SpeechThread(std::shared_ptr<SpeechLine> line) : line_(std::move(line)) {}

    void run();

private:
    bool serve(const SpeechRequest& request);
    bool open();
    bool listen();
    bool say(const SpeechRequest& request);
    void tell(SpeechLine::Ending ending);
    bool fail(const QString& why);
    void close();

    // Hands `call` to the client on its own thread, unless the client is gone.
    template <typename Call>
    void deliver(Call call)
    {
        const std::lock_guard lock(line_->mutex);
        if (SpeechDispatcherClient* client = line_->client) {
            QMetaObject::invokeMethod(
                client, [client, call] { call(*client); }, Qt::QueuedConnection);
        }
    }

    std::shared_ptr<SpeechLine> line_;
    SPDConnection* connection_ = nullptr;
    // The library's number for the message being said, and the client's.
    std::size_t sayingId_ = 0;
    std::size_t saying_ = 0;
};

void SpeechThread::run()
{
    // The library writes to its socket unguarded: a speech server that has gone away must
    // fail the write, not end the program. The library's own thread inherits this.
    sigset_t brokenPipe;
    sigemptyset(&brokenPipe);
    sigaddset(&brokenPipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &brokenPipe, nullptr);

    std::unique_lock lock(line_->mutex);
    for (;;) {
        line_->wake.wait(lock, [this] {
            return line_->client == nullptr || !line_->requests.empty() || !line_->endings.empty();
        });
        if (!line_->endings.empty()) {
            const SpeechLine::Ending ending = line_->endings.front();
            line_->endings.pop_front();
            lock.unlock();
            tell(ending);
            lock.lock();
            continue;
        }
        if (line_->client == nullptr) {
            break;
        }
        const SpeechRequest request = line_->requests.front();
        line_->requests.pop_front();
        line_->takenAt = Clock::now();
        lock.unlock();
        const bool goOn = serve(request);
        lock.lock();
        ++line_->served;
        if (!goOn) {
            break;
        }
    }
    lock.unlock();
    close();
}

bool SpeechThread::serve(const SpeechRequest& request)
{
    switch (request.kind) {
    case SpeechRequest::Kind::Open:
        return open();
    case SpeechRequest::Kind::Language:
        if (spd_set_language(connection_, request.text.constData()) != 0) {
            qCDebug(ui::speechLog) << "speech-dispatcher did not take the language" << request.text;
        }
        return true;
    case SpeechRequest::Kind::Say:
        return say(request);
    case SpeechRequest::Kind::Cancel:
        if (spd_cancel(connection_) != 0) {
            qCDebug(ui::speechLog) << "speech-dispatcher did not cancel";
        }
        return true;
    }
    return true;
}

bool SpeechThread::open()
{
    char* error = nullptr;
    connection_ = spd_open2("pabrel", "digits", nullptr, SPD_MODE_THREADED, nullptr, 1, &error);
    if (connection_ == nullptr) {
        const QString why = QString::fromUtf8(error != nullptr ? error : "no connection");
        std::free(error);
        return fail(why);
    }
    if (!listen()) {
        return fail(QStringLiteral("another speech connection is open"));
    }
    connection_->callback_end = &messageEnded;
    connection_->callback_cancel = &messageEnded;
    if (spd_set_notification_on(connection_, SPD_END) != 0 ||
        spd_set_notification_on(connection_, SPD_CANCEL) != 0) {
        return fail(QStringLiteral("speech-dispatcher does not report when speech ends"));
    }
    deliver([](SpeechDispatcherClient& client) { emit client.opened(); });
    return true;
}

bool SpeechThread::listen()
{
    const std::lock_guard registry(listenerLock);
    const std::lock_guard lock(line_->mutex);
    if (line_->client == nullptr || (listener != nullptr && listener != line_.get())) {
        return false;
    }
    listener = line_.get();
    return true;
}

// Queued behind whatever else the desktop says, and not cut off by it.
bool SpeechThread::say(const SpeechRequest& request)
{
    const int id = spd_say(connection_, SPD_MESSAGE, request.text.constData());
    if (id <= 0) {
        return fail(QStringLiteral("speech-dispatcher did not take \"%1\"")
                        .arg(QString::fromUtf8(request.text)));
    }
    sayingId_ = static_cast<std::size_t>(id);
    saying_ = request.message;
    return true;
}

void SpeechThread::tell(SpeechLine::Ending ending)
{
    if (ending.id != sayingId_) {
        return;
    }
    sayingId_ = 0;
    deliver([message = saying_, spoken = ending.spoken](SpeechDispatcherClient& client) {
        client.ended(message, spoken);
    });
}

bool SpeechThread::fail(const QString& why)
{
    deliver([why](SpeechDispatcherClient& client) { client.fail(why); });
    return false;
}

// Stops what this program is saying; a connection that hangs here holds up this thread only.
void SpeechThread::close()
{
    if (connection_ == nullptr) {
        return;
    }
    {
        const std::lock_guard registry(listenerLock);
        if (listener == line_.get()) {
            listener = nullptr;
        }
    }
    spd_cancel(connection_);
    spd_close(connection_);
    connection_ = nullptr;
}

SpeechDispatcherClient::SpeechDispatcherClient(std::chrono::milliseconds patience, QObject* parent)
    : ui::SpeechClient(parent), line_(std::make_shared<SpeechLine>()), patience_(patience)
{
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, &SpeechDispatcherClient::checkProgress);
}

// Never waits: the thread closes the connection by itself, or is left to the program's end.
SpeechDispatcherClient::~SpeechDispatcherClient()
{
    abandon();
}

void SpeechDispatcherClient::open()
{
    if (line_->client != nullptr || !failure_.isEmpty()) {
        return;
    }
    line_->client = this;
    try {
        std::thread([line = line_] { SpeechThread(line).run(); }).detach();
    } catch (const std::system_error&) {
        QMetaObject::invokeMethod(
            this, [this] { fail(QStringLiteral("no thread to speak from")); },
            Qt::QueuedConnection);
        return;
    }
    post({SpeechRequest::Kind::Open, {}, 0});
}

void SpeechDispatcherClient::setLanguage(ui::Language language)
{
    post({SpeechRequest::Kind::Language, ui::languageCode(language).toLatin1(), 0});
}

void SpeechDispatcherClient::say(const QString& text)
{
    awaited_ = ++said_;
    post({SpeechRequest::Kind::Say, text.toUtf8(), awaited_});
}

void SpeechDispatcherClient::cancel()
{
    awaited_ = 0;
    post({SpeechRequest::Kind::Cancel, {}, 0});
}

// Requests made before open() or after a failure go nowhere.
void SpeechDispatcherClient::post(SpeechRequest request)
{
    {
        const std::lock_guard lock(line_->mutex);
        if (line_->client == nullptr) {
            return;
        }
        line_->requests.push_back(std::move(request));
        ++line_->posted;
        line_->wake.notify_one();
    }
    if (!deadline_.isActive()) {
        deadline_.start(patience_);
    }
}

// Measured from when the thread took the request up, so that a busy event loop here, late
// to hear the answer, does not count against the speech server.
void SpeechDispatcherClient::checkProgress()
{
    Clock::duration busy{};
    {
        const std::lock_guard lock(line_->mutex);
        if (line_->client == nullptr || line_->served == line_->posted) {
            return;
        }
        busy = Clock::now() - line_->takenAt;
    }
    if (busy >= patience_) {
        fail(
            QStringLiteral("speech-dispatcher did not answer within %1 ms").arg(patience_.count()));
        return;
    }
    deadline_.start(std::chrono::ceil<std::chrono::milliseconds>(patience_ - busy));
}

void SpeechDispatcherClient::ended(std::size_t message, bool spoken)
{
    if (message != awaited_ || !failure_.isEmpty()) {
        return;
    }
    awaited_ = 0;
    if (!spoken) {
        fail(QStringLiteral("message %1 was cut short").arg(message));
        return;
    }
    qCDebug(ui::speechLog) << "message" << message << "spoken";
    emit this->spoken();
}

void SpeechDispatcherClient::fail(const QString& why)
{
    if (!failure_.isEmpty()) {
        return;
    }
    failure_ = why;
    qCDebug(ui::speechLog).noquote() << "speech failed:" << why;
    abandon();
    emit failed();
}

void SpeechDispatcherClient::abandon()
{
    deadline_.stop();
    const std::lock_guard registry(listenerLock);
    if (listener == line_.get()) {
        listener = nullptr;
    }
    const std::lock_guard lock(line_->mutex);
    line_->client = nullptr;
    line_->requests.clear();
    line_->wake.notify_one();
}

} // namespace pabrel::desktop

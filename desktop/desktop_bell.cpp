// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop_bell.h"

#include <QApplication>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

#ifdef PABREL_HAVE_CANBERRA
#include <canberra.h>
#endif

namespace pabrel::desktop {

// Shared by the bell and its thread, which outlives the bell while the sound server holds
// it up.
struct BellLine
{
    // Asks the thread to play, unless it has a ring in hand already.
    bool ask()
    {
        const std::lock_guard lock(mutex);
        if (asked || playing || played) {
            return false;
        }
        asked = true;
        wake.notify_one();
        return true;
    }

    std::optional<bool> takePlayed()
    {
        const std::lock_guard lock(mutex);
        return std::exchange(played, std::nullopt);
    }

    void serve();

    std::mutex mutex;
    std::condition_variable wake;
    bool asked = false;
    bool playing = false;
    // Whether the last ring played, until the bell has heard.
    std::optional<bool> played;
    // Cleared when the bell goes: the thread then finishes.
    DesktopBell* bell = nullptr;
};

namespace {
#ifdef PABREL_HAVE_CANBERRA
// One sound context for the whole program, made on the first bell and never destroyed:
// destroying it unloads libcanberra's sound driver while the driver's player thread may
// still be finishing, which crashes the program as it exits. Null where none can be made.
ca_context* soundContext()
{
    static ca_context* const context = [] {
        ca_context* made = nullptr;
        if (ca_context_create(&made) != CA_SUCCESS) {
            return static_cast<ca_context*>(nullptr);
        }
        const QByteArray desktopId = QGuiApplication::desktopFileName().toUtf8();
        ca_context_change_props(made, CA_PROP_APPLICATION_NAME, "Pabrel", CA_PROP_APPLICATION_ID,
                                desktopId.constData(), CA_PROP_APPLICATION_ICON_NAME,
                                desktopId.constData(), nullptr);
        return made;
    }();
    return context;
}

// The sound theme falls back from "bell-window-system" to the plain "bell".
bool playEventSound()
{
    ca_context* context = soundContext();
    return context != nullptr &&
           ca_context_play(context, 0, CA_PROP_EVENT_ID, "bell-window-system",
                           CA_PROP_EVENT_DESCRIPTION, "Answer judged", nullptr) == CA_SUCCESS;
}
#endif
} // namespace

#ifdef PABREL_HAVE_CANBERRA
void BellLine::serve()
{
    std::unique_lock lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return bell == nullptr || asked; });
        if (bell == nullptr) {
            return;
        }
        asked = false;
        playing = true;
        lock.unlock();
        const bool done = playEventSound();
        lock.lock();
        playing = false;
        played = done;
        QMetaObject::invokeMethod(bell, &DesktopBell::settle, Qt::QueuedConnection);
    }
}
#endif

DesktopBell::DesktopBell(std::chrono::milliseconds patience, QObject* parent) : QObject(parent)
{
    patience_.setSingleShot(true);
    patience_.setInterval(patience);
    connect(&patience_, &QTimer::timeout, this, &DesktopBell::settle);
#ifdef PABREL_HAVE_CANBERRA
    auto line = std::make_shared<BellLine>();
    line->bell = this;
    try {
        std::thread(&BellLine::serve, line).detach();
        line_ = std::move(line);
    } catch (const std::system_error&) {
        // No thread to be had: every ring is the toolkit's beep.
    }
#endif
}

// Never waits: a thread held up by the sound server is left to finish, or to the program's
// end.
DesktopBell::~DesktopBell()
{
    if (line_ != nullptr) {
        const std::lock_guard lock(line_->mutex);
        line_->bell = nullptr;
        line_->wake.notify_one();
    }
}

void DesktopBell::ring()
{
    if (line_ == nullptr || !line_->ask()) {
        beep();
        return;
    }
    awaited_ = true;
    patience_.start();
}

// Called when the thread has played a ring, and when the patience for it has run out.
void DesktopBell::settle()
{
    const std::optional<bool> played = line_->takePlayed();
    if (!awaited_) {
        return; // the toolkit's beep has answered this ring already
    }
    awaited_ = false;
    patience_.stop();
    if (played.value_or(false)) {
        emit rang(Sound::EventSound);
    } else {
        beep();
    }
}

void DesktopBell::beep()
{
    QApplication::beep();
    emit rang(Sound::ToolkitBeep);
}

} // namespace pabrel::desktop

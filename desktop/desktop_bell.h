// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bell.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <memory>

namespace pabrel::desktop {

// The bell's rings, and its thread's way back to it.
struct BellLine;

// The beep that follows every result. Current desktops often mute the toolkit's beep, and
// under Wayland it makes no sound at all, so the bell rings the desktop's own "bell" event
// sound where a sound server or device takes it, and falls back to the toolkit's beep. Built
// without libcanberra, it is always the toolkit's beep. The sound system is not touched
// before the first ring.
//
// libcanberra opens its sound driver on the caller's thread and waits there for the sound
// server, so the event sound is played from a thread of the bell's own. A ring that thread
// has not played within `patience`, or that finds it still busy with an earlier one, is the
// toolkit's beep; once the thread is free, the next ring asks the sound system again.
class DesktopBell : public QObject, public ui::Bell
{
    Q_OBJECT

public:
    enum class Sound
    {
        EventSound,
        ToolkitBeep,
    };
    Q_ENUM(Sound)

    static constexpr std::chrono::milliseconds DefaultPatience{250};

    explicit DesktopBell(std::chrono::milliseconds patience = DefaultPatience,
                         QObject* parent = nullptr);
    ~DesktopBell() override;

    void ring() override;

signals:
    void rang(pabrel::desktop::DesktopBell::Sound sound);

private:
    friend struct BellLine;

    void settle();
    void beep();

    // Null where there is no thread to play from.
    std::shared_ptr<BellLine> line_;
    QTimer patience_;
    // A ring has been handed to the thread, and nothing has sounded for it yet.
    bool awaited_ = false;
};

} // namespace pabrel::desktop

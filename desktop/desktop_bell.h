// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bell.h"

#include <QObject>

struct ca_context;

namespace pabrel::desktop {

// The beep that follows every result. Current desktops often mute the toolkit's beep, and
// under Wayland it makes no sound at all, so the bell rings the desktop's own "bell" event
// sound where a sound server or device takes it, and falls back to the toolkit's beep. Built
// without libcanberra, it is always the toolkit's beep. The sound system is not touched
// before the first ring.
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

    using QObject::QObject;

    void ring() override;

signals:
    void rang(pabrel::desktop::DesktopBell::Sound sound);

private:
    bool playEventSound();
};

} // namespace pabrel::desktop

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop_bell.h"

#include <QApplication>

#ifdef PABREL_HAVE_CANBERRA
#include <canberra.h>
#endif

namespace pabrel::desktop {

#ifdef PABREL_HAVE_CANBERRA
namespace {
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
} // namespace
#endif

void DesktopBell::ring()
{
    if (playEventSound()) {
        emit rang(Sound::EventSound);
    } else {
        QApplication::beep();
        emit rang(Sound::ToolkitBeep);
    }
}

bool DesktopBell::playEventSound()
{
#ifdef PABREL_HAVE_CANBERRA
    // The sound theme falls back from "bell-window-system" to the plain "bell".
    ca_context* context = soundContext();
    return context != nullptr &&
           ca_context_play(context, 0, CA_PROP_EVENT_ID, "bell-window-system",
                           CA_PROP_EVENT_DESCRIPTION, "Answer judged", nullptr) == CA_SUCCESS;
#else
    return false;
#endif
}

} // namespace pabrel::desktop

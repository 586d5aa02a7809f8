#include "desktop_bell.h"

#include <QApplication>

#include <canberra.h>

namespace pabrel::ui {

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

DesktopBell::DesktopBell(QObject* parent) : QObject(parent), context_(soundContext())
{
}

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
    // The sound theme falls back from "bell-window-system" to the plain "bell".
    return context_ != nullptr &&
           ca_context_play(context_, 0, CA_PROP_EVENT_ID, "bell-window-system",
                           CA_PROP_EVENT_DESCRIPTION, "Answer judged", nullptr) == CA_SUCCESS;
}

} // namespace pabrel::ui

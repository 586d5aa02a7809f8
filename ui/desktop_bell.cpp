#include "desktop_bell.h"

#include <QApplication>

#ifdef PABREL_HAVE_CANBERRA
#include <canberra.h>
#endif

namespace pabrel::ui {

#ifdef PABREL_HAVE_CANBERRA
namespace {
// One context serves every bell for the whole run and is never destroyed: destroying a
// context unloads libcanberra's sound driver, whose own thread may still be finishing the
// last sound, and that thread then crashes the program.
ca_context* sharedContext()
{
    static ca_context* const context = [] {
        ca_context* created = nullptr;
        if (ca_context_create(&created) != CA_SUCCESS) {
            return static_cast<ca_context*>(nullptr);
        }
        const QByteArray desktopId = QGuiApplication::desktopFileName().toUtf8();
        ca_context_change_props(created, CA_PROP_APPLICATION_NAME, "Pabrel", CA_PROP_APPLICATION_ID,
                                desktopId.constData(), CA_PROP_APPLICATION_ICON_NAME,
                                desktopId.constData(), nullptr);
        return created;
    }();
    return context;
}
} // namespace
#endif

DesktopBell::DesktopBell(QObject* parent) : QObject(parent)
{
#ifdef PABREL_HAVE_CANBERRA
    context_ = sharedContext();
#endif
}

DesktopBell::~DesktopBell() = default;

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
    return context_ != nullptr &&
           ca_context_play(context_, 0, CA_PROP_EVENT_ID, "bell-window-system",
                           CA_PROP_EVENT_DESCRIPTION, "Answer judged", nullptr) == CA_SUCCESS;
#else
    return false;
#endif
}

} // namespace pabrel::ui

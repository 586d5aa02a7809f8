#include "desktop_bell.h"

#include <QApplication>

#ifdef PABREL_HAVE_CANBERRA
#include <canberra.h>
#endif

namespace pabrel::ui {

DesktopBell::DesktopBell(QObject* parent) : QObject(parent)
{
#ifdef PABREL_HAVE_CANBERRA
    if (ca_context_create(&context_) != CA_SUCCESS) {
        context_ = nullptr;
        return;
    }
    const QByteArray desktopId = QGuiApplication::desktopFileName().toUtf8();
    ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "Pabrel", CA_PROP_APPLICATION_ID,
                            desktopId.constData(), CA_PROP_APPLICATION_ICON_NAME,
                            desktopId.constData(), nullptr);
#endif
}

DesktopBell::~DesktopBell()
{
#ifdef PABREL_HAVE_CANBERRA
    if (context_ != nullptr) {
        ca_context_destroy(context_);
    }
#endif
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

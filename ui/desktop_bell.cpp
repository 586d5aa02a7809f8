#include "desktop_bell.h"

#include <QApplication>

#include <canberra.h>

namespace pabrel::ui {

DesktopBell::DesktopBell(QObject* parent) : QObject(parent)
{
    if (ca_context_create(&context_) != CA_SUCCESS) {
        context_ = nullptr;
        return;
    }
    const QByteArray desktopId = QGuiApplication::desktopFileName().toUtf8();
    ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "Pabrel", CA_PROP_APPLICATION_ID,
                            desktopId.constData(), CA_PROP_APPLICATION_ICON_NAME,
                            desktopId.constData(), nullptr);
}

DesktopBell::~DesktopBell()
{
    if (context_ != nullptr) {
        ca_context_destroy(context_);
    }
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

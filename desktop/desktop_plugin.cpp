// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop_plugin.h"

#include "desktop_bell.h"
#include "record_keeping.h"
#include "records_export.h"
#include "records_window.h"

#ifdef PABREL_HAVE_SPEECH_DISPATCHER
#include "speech_dispatcher_client.h"
#endif

namespace pabrel::desktop {

std::unique_ptr<ui::Bell> DesktopPlugin::makeBell()
{
    return std::make_unique<ui::DesktopBell>();
}

std::unique_ptr<ui::SpeechClient> DesktopPlugin::makeSpeech()
{
#ifdef PABREL_HAVE_SPEECH_DISPATCHER
    return std::make_unique<ui::SpeechDispatcherClient>();
#else
    return nullptr;
#endif
}

std::unique_ptr<QObject> DesktopPlugin::keepRecords(ui::Form1& form, const QString& recordsFile)
{
    return std::make_unique<ui::RecordKeeping>(form, recordsFile);
}

std::unique_ptr<QWidget> DesktopPlugin::makeRecordsWindow(const QString& recordsFile)
{
    return std::make_unique<ui::RecordsWindow>(recordsFile);
}

int DesktopPlugin::exportCsv(const QString& recordsFile, const QString& target)
{
    return exportRecordsAsCsv(recordsFile, target);
}

} // namespace pabrel::desktop

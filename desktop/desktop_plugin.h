// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "desktop_services.h"

#include <QObject>

namespace pabrel::desktop {

class DesktopPlugin : public QObject, public ui::DesktopServices
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PabrelDesktopServices_iid)
    Q_INTERFACES(pabrel::ui::DesktopServices)

public:
    std::unique_ptr<ui::Bell> makeBell() override;
    std::unique_ptr<ui::SpeechClient> makeSpeech() override;
    std::unique_ptr<QObject> keepRecords(ui::Form1& form, const QString& recordsFile) override;
    std::unique_ptr<QWidget> makeRecordsWindow(const QString& recordsFile) override;
    int exportCsv(const QString& recordsFile, const QString& target) override;
};

} // namespace pabrel::desktop

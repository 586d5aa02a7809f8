// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop_loader.h"

#include "desktop_services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace pabrel::app {

namespace {
const QString PluginFile = QStringLiteral("pabrel-desktop.so");

QString pluginPath()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString besideProgram = programDir.filePath(PluginFile);
    if (QFileInfo::exists(besideProgram)) {
        return besideProgram;
    }
    return QDir::cleanPath(programDir.filePath(QStringLiteral(PABREL_PLUGIN_DIR_FROM_PROGRAM)) +
                           QLatin1Char('/') + PluginFile);
}
} // namespace

ui::DesktopServices* DesktopLoader::load()
{
    const QString path = pluginPath();
    QPluginLoader loader(path);
    // A symbol the program lacks fails the loading here, not a call in the middle of play.
    loader.setLoadHints(QLibrary::ResolveAllSymbolsHint | QLibrary::PreventUnloadHint);
    QObject* plugin = loader.instance();
    auto* services = qobject_cast<ui::DesktopServices*>(plugin);
    if (services == nullptr) {
        const QString why = plugin == nullptr ? loader.errorString()
                                              : QStringLiteral("not Pabrel's desktop plugin");
        // Qt names the file only in some of its messages.
        error_ = why.contains(path) ? why : QStringLiteral("%1: %2").arg(path, why);
    }
    return services;
}

} // namespace pabrel::app

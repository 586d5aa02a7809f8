// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "display_guard.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace pabrel::app {

namespace {
struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

const char* startedAs = "pabrel";

std::vector<HeldMessage>& heldMessages()
{
    static std::vector<HeldMessage> messages;
    return messages;
}

QString describeVariable(const char* name)
{
    const QByteArray value = qgetenv(name);
    return value.isEmpty()
               ? QStringLiteral("%1 is not set").arg(QLatin1String(name))
               : QStringLiteral("%1=%2").arg(QLatin1String(name), QString::fromLocal8Bit(value));
}

// What Qt said about the window system while it tried, and its reason for giving up.
QStringList qtsAccount(const QString& fatalText)
{
    QStringList lines;
    for (const HeldMessage& message : heldMessages()) {
        if (message.category.startsWith("qt.qpa")) {
            lines << message.text.trimmed();
        }
    }
    for (const QString& line : fatalText.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        // Qt's own advice to reinstall the program rarely fits; the advice below does.
        lines << line.section(QStringLiteral(" Reinstalling"), 0, 0).trimmed();
    }
    return lines;
}

// The platform plugins named in what Qt said: those it tried and those it has.
struct PluginAccount
{
    QStringList tried;
    QStringList available;
    bool requestedIsMissing = false;
};

PluginAccount pluginAccount(const QStringList& qtSaid)
{
    PluginAccount account;
    static const QRegularExpression tried(QStringLiteral("Qt platform plugin \"([^\"]+)\""));
    const QLatin1String availablePrefix("Available platform plugins are: ");
    for (const QString& line : qtSaid) {
        const QRegularExpressionMatch match = tried.match(line);
        if (match.hasMatch() && !account.tried.contains(match.captured(1))) {
            account.tried << match.captured(1);
        }
        account.requestedIsMissing |= line.startsWith(QLatin1String("Could not find the Qt"));
        if (line.startsWith(availablePrefix)) {
            QString list = line.mid(availablePrefix.size());
            list.chop(list.endsWith(QLatin1Char('.')) ? 1 : 0);
            account.available = list.split(QStringLiteral(", "), Qt::SkipEmptyParts);
        }
    }
    return account;
}

QString advice(const PluginAccount& plugins)
{
    const QString program = QLatin1String(startedAs);
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (plugins.requestedIsMissing) {
        return QStringLiteral("QT_QPA_PLATFORM names a platform plugin that is not installed: "
                              "unset it, or choose one of those available (Qt's Wayland plugin "
                              "is in the package qt6-wayland).");
    }
    if (!x11 && !wayland) {
        return QStringLiteral("No desktop session is reachable from here. Start the game from "
                              "a desktop session, or without a screen as: xvfb-run %1")
            .arg(program);
    }
    if (wayland && !plugins.tried.contains(QLatin1String("wayland"))) {
        if (!plugins.available.contains(QLatin1String("wayland"))) {
            return QStringLiteral("To open a native window on this Wayland desktop, install "
                                  "Qt's Wayland plugin (the package qt6-wayland).");
        }
        return QStringLiteral("To open a native window on this Wayland desktop, start the game "
                              "as: QT_QPA_PLATFORM=wayland %1")
            .arg(program);
    }
    if (wayland && !x11) {
        return QStringLiteral("Check that the Wayland compositor is running and that "
                              "WAYLAND_DISPLAY names its socket in XDG_RUNTIME_DIR.");
    }
    return QStringLiteral("Check that the display server is running and lets this user in (for "
                          "X11, DISPLAY and XAUTHORITY; for Wayland, WAYLAND_DISPLAY and "
                          "XDG_RUNTIME_DIR); without a screen, start the game as: xvfb-run %1")
        .arg(program);
}

void reportNoDisplay(const QString& fatalText)
{
    const QStringList said = qtsAccount(fatalText);
    const PluginAccount plugins = pluginAccount(said);
    const QString requested = qEnvironmentVariable("QT_QPA_PLATFORM");
    const QString tried = plugins.tried.isEmpty()
                              ? QStringLiteral("Qt's platform plugin")
                              : QStringLiteral("the Qt platform plugin%1 %2")
                                    .arg(plugins.tried.size() > 1 ? "s" : "",
                                         plugins.tried.join(QStringLiteral(", ")));
    const QString why = requested.isEmpty() ? QStringLiteral("Qt's choice")
                                            : QStringLiteral("QT_QPA_PLATFORM=%1").arg(requested);
    QString report = QStringLiteral("%1: cannot open its window: no display could be opened.\n"
                                    "Tried: %2 (%3), with %4 and %5.\n")
                         .arg(QLatin1String(startedAs), tried, why, describeVariable("DISPLAY"),
                              describeVariable("WAYLAND_DISPLAY"));
    for (const QString& line : said) {
        report += QStringLiteral("Qt: %1\n").arg(line);
    }
    report += advice(plugins) + QLatin1Char('\n');
    std::fputs(report.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        reportNoDisplay(text);
        // Qt is half way through setting up and cannot be taken down in order.
        std::_Exit(EXIT_FAILURE);
    }
    heldMessages().push_back({type, QByteArray(context.category), text});
}
} // namespace

DisplayGuard::DisplayGuard(const char* programPath) : previous_(qInstallMessageHandler(holdMessage))
{
    startedAs = programPath;
}

DisplayGuard::~DisplayGuard()
{
    qInstallMessageHandler(previous_);
    for (const HeldMessage& message : heldMessages()) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        previous_(message.type, context, message.text);
    }
    heldMessages().clear();
}

} // namespace pabrel::app

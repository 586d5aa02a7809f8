#include "display_guard.h"

#include <QByteArray>
#include <QString>

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

void reportNoDisplay()
{
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray where =
        display.isEmpty() ? QByteArrayLiteral("DISPLAY is not set") : "DISPLAY is " + display;
    std::fprintf(stderr,
                 "pabrel: cannot open its window: no display to show it on (%s); to play "
                 "without a screen, start it as: xvfb-run %s\n",
                 where.constData(), startedAs);
    std::fflush(stderr);
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        reportNoDisplay();
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

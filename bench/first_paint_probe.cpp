// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Preloaded into a Qt Widgets program by the start-up benchmark (LD_PRELOAD), it waits for
// the program's first painted frame, writes what reaching it cost and ends the process
// there, without running any of the program's teardown. It only watches: every event still
// goes on to the program as before.

#include "first_paint_probe.h"

#include "process_memory.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <unistd.h>

namespace pabrel::bench {

namespace {
// Read before the program's own code runs, while it has one thread, and taken out of the
// environment so that any program it starts in turn runs unprobed.
std::optional<long long> takeLaunchTime()
{
    const char* launched = std::getenv(probe::LaunchedAtVariable);
    std::optional<long long> ns;
    if (launched) {
        ns = std::atoll(launched);
    }
    unsetenv(probe::LaunchedAtVariable);
    unsetenv("LD_PRELOAD");
    return ns;
}

const std::optional<long long> launchedNs = takeLaunchTime();

double processCpuMs()
{
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return static_cast<double>(used.tv_sec) * 1e3 + static_cast<double>(used.tv_nsec) / 1e6;
}

class FirstPaintWatch : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && isShownWindow(watched)) {
            QCoreApplication::instance()->removeEventFilter(this);
            // A window paints before its controls, all into one frame, which is out once
            // control is back in the event loop.
            QMetaObject::invokeMethod(this, &FirstPaintWatch::reportAndLeave, Qt::QueuedConnection);
        }
        return false;
    }

private:
    static bool isShownWindow(const QObject* object)
    {
        if (!object->isWidgetType()) {
            return false;
        }
        const auto* widget = static_cast<const QWidget*>(object);
        return widget->isWindow() && widget->isVisible();
    }

    static void reportAndLeave()
    {
        const double wallMs = launchedNs
                                  ? static_cast<double>(probe::monotonicNs() - *launchedNs) / 1e6
                                  : std::nan("");
        dprintf(STDOUT_FILENO, "\n%s %.2f %.2f %.2f\n", probe::ReportMarker, wallMs, processCpuMs(),
                peakResidentMiB().value_or(std::nan("")));
        _exit(0);
    }
};

void watchForFirstPaint()
{
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new FirstPaintWatch(application));
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForFirstPaint)

} // namespace pabrel::bench

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "first_paint.h"

#include "process_memory.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <cstdio>
#include <ctime>

namespace pabrel::bench {

namespace {
qint64 clockNs(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return qint64{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

// The frame is out once the window's paint has been handled and control is back in the
// event loop.
class FirstPaintWatch : public QObject
{
public:
    explicit FirstPaintWatch(qint64 launchedNs) : launchedNs_(launchedNs) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, &FirstPaintWatch::report);
        }
        return false;
    }

private:
    void report()
    {
        std::printf("%.2f %.2f %.2f", static_cast<double>(monotonicNs() - launchedNs_) / 1e6,
                    static_cast<double>(clockNs(CLOCK_PROCESS_CPUTIME_ID)) / 1e6,
                    // Where the system gives no figure the table shows nan.
                    peakResidentMiB().value_or(std::nan("")));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    qint64 launchedNs_;
};
} // namespace

qint64 monotonicNs()
{
    return clockNs(CLOCK_MONOTONIC);
}

int reportFirstPaint(QWidget& window, qint64 launchedNs)
{
    FirstPaintWatch watch(launchedNs);
    window.installEventFilter(&watch);
    window.show();
    return QCoreApplication::exec();
}

} // namespace pabrel::bench

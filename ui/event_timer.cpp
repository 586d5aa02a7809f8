// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "event_timer.h"

#include <QSocketNotifier>

#ifdef __linux__
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace pabrel::ui {

EventTimer::EventTimer(int intervalMs, QObject* parent)
    : WindowTimer(parent), interval_(intervalMs), nextInterval_(intervalMs)
{
    connect(&qtTimer_, &QTimer::timeout, this, &EventTimer::timeout);
#ifdef __linux__
    timerFd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
#endif
    if (timerFd_ < 0) {
        clock_ = Clock::QtPrecise;
        return;
    }
    expiry_ = new QSocketNotifier(timerFd_, QSocketNotifier::Read, this);
    connect(expiry_, &QSocketNotifier::activated, this, &EventTimer::kernelTimerExpired);
}

EventTimer::~EventTimer()
{
    closeKernelTimer();
}

void EventTimer::setEnabled(bool enabled)
{
    if (!enabled) {
        stop();
    } else if (!active_) {
        start();
    }
}

void EventTimer::setIntervalForNextStart(int milliseconds)
{
    nextInterval_ = milliseconds;
    if (!active_) {
        interval_ = milliseconds;
    }
}

void EventTimer::setClock(Clock clock)
{
    if (timerFd_ >= 0 || clock != Clock::Kernel) {
        clock_ = clock;
    }
}

void EventTimer::start()
{
    interval_ = nextInterval_;
    active_ = true;
    if (clock_ == Clock::Kernel && armKernelTimer(interval_)) {
        return;
    }
    qtTimer_.setTimerType(clock_ == Clock::QtCoarse ? Qt::CoarseTimer : Qt::PreciseTimer);
    qtTimer_.start(interval_);
}

void EventTimer::stop()
{
    active_ = false;
    qtTimer_.stop();
    if (timerFd_ >= 0) {
        // Disarming also forgets an expiry that the event loop has not handled yet.
        armKernelTimer(0);
    }
}

bool EventTimer::armKernelTimer(int milliseconds)
{
#ifdef __linux__
    const timespec period{milliseconds / 1000, (milliseconds % 1000) * 1'000'000L};
    const itimerspec schedule{period, period};
    if (timerfd_settime(timerFd_, 0, &schedule, nullptr) == 0) {
        return true;
    }
    // A timer that cannot be set would never tick and the round would hang; Qt's precise
    // timer keeps the game going, a little less exactly.
    qWarning("pabrel: cannot set the kernel timer to %d ms: %s; using Qt's precise timer instead",
             milliseconds, std::strerror(errno));
#else
    Q_UNUSED(milliseconds);
#endif
    closeKernelTimer();
    clock_ = Clock::QtPrecise;
    return false;
}

void EventTimer::closeKernelTimer()
{
    if (timerFd_ < 0) {
        return;
    }
    delete expiry_;
    expiry_ = nullptr;
#ifdef __linux__
    close(timerFd_);
#endif
    timerFd_ = -1;
}

void EventTimer::kernelTimerExpired()
{
#ifdef __linux__
    // Ticks that fell due while the loop was busy come as one, as with any timer.
    std::uint64_t expirations = 0;
    if (read(timerFd_, &expirations, sizeof expirations) == sizeof expirations && active_ &&
        clock_ == Clock::Kernel) {
        emit timeout();
    }
#endif
}

} // namespace pabrel::ui

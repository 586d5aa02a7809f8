#include "event_timer.h"

#include <QSocketNotifier>

#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

namespace pabrel::ui {

EventTimer::EventTimer(int intervalMs, QObject* parent)
    : WindowTimer(parent), interval_(intervalMs), nextInterval_(intervalMs)
{
    connect(&qtTimer_, &QTimer::timeout, this, &EventTimer::timeout);
    timerFd_ = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (timerFd_ < 0) {
        clock_ = Clock::QtPrecise;
        return;
    }
    expiry_ = new QSocketNotifier(timerFd_, QSocketNotifier::Read, this);
    connect(expiry_, &QSocketNotifier::activated, this, &EventTimer::kernelTimerExpired);
}

EventTimer::~EventTimer()
{
    if (timerFd_ >= 0) {
        close(timerFd_);
    }
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
    if (clock_ == Clock::Kernel) {
        armKernelTimer(interval_);
    } else {
        qtTimer_.setTimerType(clock_ == Clock::QtCoarse ? Qt::CoarseTimer : Qt::PreciseTimer);
        qtTimer_.start(interval_);
    }
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

void EventTimer::armKernelTimer(int milliseconds)
{
    const timespec period{milliseconds / 1000, (milliseconds % 1000) * 1'000'000L};
    const itimerspec schedule{period, period};
    timerfd_settime(timerFd_, 0, &schedule, nullptr);
}

void EventTimer::kernelTimerExpired()
{
    // Ticks that fell due while the loop was busy come as one, as with any timer.
    std::uint64_t expirations = 0;
    if (read(timerFd_, &expirations, sizeof expirations) == sizeof expirations && active_ &&
        clock_ == Clock::Kernel) {
        emit timeout();
    }
}

} // namespace pabrel::ui

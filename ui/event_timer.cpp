#include "event_timer.h"

namespace pabrel::ui {

EventTimer::EventTimer(int intervalMs, QObject* parent) : QTimer(parent), nextInterval_(intervalMs)
{
    setTimerType(Qt::PreciseTimer);
    setInterval(intervalMs);
}

void EventTimer::setEnabled(bool enabled)
{
    if (!enabled) {
        stop();
    } else if (!isActive()) {
        setInterval(nextInterval_);
        start();
    }
}

void EventTimer::setIntervalForNextStart(int milliseconds)
{
    nextInterval_ = milliseconds;
    if (!isActive()) {
        // QTimer restarts a running timer when its interval changes; a stopped one can
        // take the new value at once, so interval() always tells what the next start uses.
        setInterval(milliseconds);
    }
}

} // namespace pabrel::ui

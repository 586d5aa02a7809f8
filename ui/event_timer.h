#pragma once

#include <QTimer>

namespace pabrel::ui {

// One of the window's three periodic timers, precise to the millisecond. Switching on a
// timer that already runs leaves its period running, and a new interval waits for the
// next start, so that the game can ask for either at any moment without shifting a tick.
class EventTimer : public QTimer
{
    Q_OBJECT

public:
    EventTimer(int intervalMs, QObject* parent);

    void setEnabled(bool enabled);
    void setIntervalForNextStart(int milliseconds);

private:
    int nextInterval_;
};

} // namespace pabrel::ui

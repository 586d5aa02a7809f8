#include "flash_meter.h"

#include <QEvent>
#include <QLineEdit>

namespace pabrel::bench {

FlashMeter::FlashMeter(QLineEdit* firstBox) : box_(firstBox)
{
    clock_.start();
    box_->installEventFilter(this);
}

bool FlashMeter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != box_ || event->type() != QEvent::Paint) {
        return false;
    }
    const QString text = box_->text();
    if (state_ == State::AwaitingDigits && text.size() == 1 && text[0].isDigit()) {
        digitsPaintedNs_ = clock_.nsecsElapsed();
        state_ = State::AwaitingMask;
    } else if (state_ == State::AwaitingMask && text == QLatin1String(" ")) {
        const double flashMs = static_cast<double>(clock_.nsecsElapsed() - digitsPaintedNs_) / 1e6;
        flashesMs_.push_back(flashMs);
        state_ = State::Idle;
        emit masked(flashMs);
    }
    return false;
}

} // namespace pabrel::bench

#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <vector>

class QLineEdit;

namespace pabrel::bench {

// Times each flash as the player sees it: from the first paint of the leftmost digit box
// showing a digit to its first paint showing the mask again.
class FlashMeter : public QObject
{
    Q_OBJECT

public:
    explicit FlashMeter(QLineEdit* firstBox);

    // The next digit painted in the box begins a flash.
    void expectFlash() { state_ = State::AwaitingDigits; }
    const std::vector<double>& flashesMs() const { return flashesMs_; }
    void clear() { flashesMs_.clear(); }

signals:
    void masked(double flashMs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class State
    {
        Idle,
        AwaitingDigits,
        AwaitingMask,
    };

    QLineEdit* box_;
    QElapsedTimer clock_;
    State state_ = State::Idle;
    qint64 digitsPaintedNs_ = 0;
    std::vector<double> flashesMs_;
};

} // namespace pabrel::bench

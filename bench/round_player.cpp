// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "round_player.h"

#include "event_timer.h"
#include "flash_watch.h"
#include "form1.h"
#include "game_state.h"
#include "named_control.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace pabrel::bench {

namespace {

QString randomKey(std::mt19937& dice)
{
    const char32_t characters[] = {U'x', U' ', U'\b', U'\r', U'\u3042', U'\U0001F600'};
    const char32_t character =
        characters[std::uniform_int_distribution<std::size_t>(0, std::size(characters) - 1)(dice)];
    return QString::fromUcs4(&character, 1);
}
} // namespace

RoundPlayer::RoundPlayer(ui::Form1& form, unsigned seed)
    : label_(ui::namedControl<QLabel>(form, QStringLiteral("Label1"))),
      start_(ui::namedControl<QPushButton>(form, QStringLiteral("cmdStart"))),
      count_(ui::namedControl<ui::EventTimer>(form, QStringLiteral("tmrCount"))),
      question_(ui::namedControl<ui::EventTimer>(form, QStringLiteral("tmrQuestion"))),
      seikai_(ui::namedControl<ui::EventTimer>(form, QStringLiteral("tmrSeikai"))), dice_(seed)
{
    for (int i = 0; i < DigitBoxCount; ++i) {
        boxes_.push_back(ui::namedControl<QLineEdit>(form, QStringLiteral("Text1(%1)").arg(i)));
    }
    // Connected after the window's own handlers, so these run once the game has acted.
    connect(count_, &ui::EventTimer::timeout, this, &RoundPlayer::countdownTicked);
    connect(seikai_, &ui::EventTimer::timeout, this, &RoundPlayer::roundEnded);
    connect(form.flashWatch(), &ui::FlashWatch::maskPainted, this, [this](double shownMs) {
        flashes_.push_back({level_, shownMs});
        // Typing waits for the next turn of the event loop, after the mask was painted.
        QTimer::singleShot(0, this, &RoundPlayer::typeAnswer);
    });
}

void RoundPlayer::shortenCountdownAndPause(int milliseconds)
{
    countdownMs_ = milliseconds;
    seikai_->setIntervalForNextStart(milliseconds);
}

void RoundPlayer::setClock(ui::EventTimer::Clock clock)
{
    for (ui::EventTimer* timer : {count_, question_, seikai_}) {
        timer->setClock(clock);
    }
}

void RoundPlayer::play(Plan plan, int flashes, const std::function<void(int)>& afterRound)
{
    plan_ = plan;
    wanted_ = flashes;
    afterRound_ = afterRound;
    flashes_.clear();
    rounds_ = 0;
    done_ = false;
    QTimer::singleShot(0, this, &RoundPlayer::startRound);
    while (!done_) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

void RoundPlayer::startRound()
{
    count_->setIntervalForNextStart(countdownMs_);
    start_->click();
}

void RoundPlayer::countdownTicked()
{
    if (label_->text() != QLatin1String("GO")) {
        return;
    }
    shownDigits_.clear();
    for (QLineEdit* box : boxes_) {
        if (box->text() != QLatin1String("*")) {
            shownDigits_ += box->text();
        }
    }
    level_ = static_cast<int>(shownDigits_.size()) - 1;
    // The countdown timer runs on until the flash ends, and the game relies on the flash
    // ending first: give it back its full second.
    count_->setEnabled(false);
    count_->setIntervalForNextStart(CountTickMs);
    count_->setEnabled(true);
}

// Each character arrives as a key that carries it, as a keyboard or an input method
// would deliver it, whether or not it has a key of its own.
void RoundPlayer::typeAnswer()
{
    const QString answer = answerFor(level_);
    for (const char32_t character : answer.toUcs4()) {
        const QString text = QString::fromUcs4(&character, 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
        QCoreApplication::sendEvent(boxes_[0], &press);
        QCoreApplication::sendEvent(boxes_[0], &release);
    }
}

QString RoundPlayer::answerFor(int level)
{
    bool right = false;
    switch (plan_) {
    case Plan::StayAtLevelOne:
        break;
    case Plan::HoverAtLevelThree:
        right = level < 3;
        break;
    case Plan::RandomAnswers:
        right = std::bernoulli_distribution(0.5)(dice_);
        break;
    }
    if (right) {
        return shownDigits_;
    }
    QString keys;
    for (int i = 0; i <= level; ++i) {
        keys += plan_ == Plan::RandomAnswers ? randomKey(dice_) : QStringLiteral("x");
    }
    return keys;
}

void RoundPlayer::roundEnded()
{
    ++rounds_;
    if (afterRound_) {
        afterRound_(rounds_);
    }
    done_ = planDone();
    if (!done_) {
        QTimer::singleShot(0, this, &RoundPlayer::startRound);
    }
}

bool RoundPlayer::planDone() const
{
    if (plan_ == Plan::RandomAnswers) {
        return rounds_ >= wanted_;
    }
    const int planLevel = plan_ == Plan::StayAtLevelOne ? 1 : 3;
    const auto seen = std::count_if(flashes_.begin(), flashes_.end(),
                                    [planLevel](const Flash& f) { return f.level == planLevel; });
    return seen >= wanted_;
}

} // namespace pabrel::bench

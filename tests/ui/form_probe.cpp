// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_probe.h"

#include "image_holder.h"
#include "named_control.h"
#include "picture_box.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace pabrel::testing {

namespace {
constexpr int CountdownMs = 3000;
// The countdown, the longest flash and some room for a loaded machine.
constexpr int AnswerDueWithinMs = CountdownMs + 600 + 3000;
} // namespace

FormProbe::FormProbe(const ui::FormPictures& pictures, TestTimers::Kind timers,
                     const std::vector<int>& digits)
    : random_(ScriptedRandom::forDigits(digits)), timers_(timers),
      form_(pictures, {random_, bell_, timers_, boost_, translations()})
{
    watchTheFlash();
}

ui::Translations& FormProbe::translations()
{
    static ui::Translations translations(Language::Japanese);
    return translations;
}

QLineEdit* FormProbe::box(int index) const
{
    return ui::namedControl<QLineEdit>(form_, QStringLiteral("Text1(%1)").arg(index));
}

QLabel* FormProbe::label() const
{
    return ui::namedControl<QLabel>(form_, QStringLiteral("Label1"));
}

QPushButton* FormProbe::startButton() const
{
    return ui::namedControl<QPushButton>(form_, QStringLiteral("cmdStart"));
}

QPushButton* FormProbe::endButton() const
{
    return ui::namedControl<QPushButton>(form_, QStringLiteral("cmdEnd"));
}

ui::PictureBox* FormProbe::pictureBox() const
{
    return ui::namedControl<ui::PictureBox>(form_, QStringLiteral("Picture1"));
}

ui::ImageHolder* FormProbe::holder(const QString& name) const
{
    return ui::namedControl<ui::ImageHolder>(form_, name);
}

bool FormProbe::showActive()
{
    form_.show();
    form_.activateWindow();
    return QTest::qWaitForWindowActive(&form_);
}

// The digits are written while the countdown timer still runs; once it stops, what the
// boxes get is the mask and the answer.
void FormProbe::watchTheFlash()
{
    for (int i = 0; i < DigitBoxCount; ++i) {
        QObject::connect(box(i), &QLineEdit::textChanged, box(i), [this, i](const QString& text) {
            if (label()->text() == QLatin1String("GO") && timer(Timer::tmrCount)->isActive()) {
                if (i == 0) {
                    flashed_.fill(QString());
                }
                flashed_.at(static_cast<std::size_t>(i)) = text;
            }
        });
    }
}

bool FormProbe::playToAnswering()
{
    QTest::mouseClick(startButton(), Qt::LeftButton);
    const auto answerDue = [this] {
        return label()->text() == QLatin1String("GO") && !timer(Timer::tmrCount)->isActive() &&
               !timer(Timer::tmrQuestion)->isActive();
    };
    if (timers_.kind() == TestTimers::Kind::Real) {
        return QTest::qWaitFor(answerDue, AnswerDueWithinMs);
    }
    advance(CountdownMs);
    advance(timer(Timer::tmrQuestion)->interval());
    return answerDue();
}

QString FormProbe::flashedDigits() const
{
    QString digits;
    for (const QString& digit : flashed_) {
        digits += digit;
    }
    return digits;
}

void FormProbe::type(const QString& text) const
{
    QTest::keyClicks(QApplication::focusWidget(), text);
}

QString FormProbe::focusedName() const
{
    const QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QString();
}

QImage FormProbe::shot()
{
    QCoreApplication::processEvents();
    return form_.grab().toImage();
}

} // namespace pabrel::testing

#include "form_probe.h"

#include "event_timer.h"
#include "image_holder.h"
#include "picture_box.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace pabrel::testing {

namespace {
// The countdown, the longest flash and some room for a loaded machine.
constexpr int AnswerDueWithinMs = 3000 + 600 + 3000;

template <typename T>
T* named(const ui::Form1& form, const QString& name)
{
    T* found = form.findChild<T*>(name);
    if (!found) {
        qFatal("the window has no control named %s", qPrintable(name));
    }
    return found;
}
} // namespace

FormProbe::FormProbe(ui::Form1& form) : form_(form)
{
    watchTheFlash();
}

QLineEdit* FormProbe::box(int index) const
{
    return named<QLineEdit>(form_, QStringLiteral("Text1(%1)").arg(index));
}

QLabel* FormProbe::label() const
{
    return named<QLabel>(form_, QStringLiteral("Label1"));
}

QPushButton* FormProbe::startButton() const
{
    return named<QPushButton>(form_, QStringLiteral("cmdStart"));
}

QPushButton* FormProbe::endButton() const
{
    return named<QPushButton>(form_, QStringLiteral("cmdEnd"));
}

ui::PictureBox* FormProbe::pictureBox() const
{
    return named<ui::PictureBox>(form_, QStringLiteral("Picture1"));
}

ui::ImageHolder* FormProbe::holder(const QString& name) const
{
    return named<ui::ImageHolder>(form_, name);
}

ui::EventTimer* FormProbe::timer(const QString& name) const
{
    return named<ui::EventTimer>(form_, name);
}

bool FormProbe::showActive() const
{
    form_.show();
    form_.activateWindow();
    return QTest::qWaitForWindowActive(&form_);
}

// The digits are written while the countdown timer still runs; once it stops, what the
// boxes get is the mask and the answer.
void FormProbe::watchTheFlash()
{
    for (int i = 0; i < 9; ++i) {
        QObject::connect(box(i), &QLineEdit::textChanged, box(i), [this, i](const QString& text) {
            if (label()->text() == QLatin1String("GO") && timer("tmrCount")->isActive()) {
                if (i == 0) {
                    flashed_.fill(QString());
                }
                flashed_[i] = text;
            }
        });
    }
}

bool FormProbe::playToAnswering() const
{
    QTest::mouseClick(startButton(), Qt::LeftButton);
    return QTest::qWaitFor(
        [this] {
            return label()->text() == QLatin1String("GO") && !timer("tmrCount")->isActive() &&
                   !timer("tmrQuestion")->isActive();
        },
        AnswerDueWithinMs);
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

} // namespace pabrel::testing

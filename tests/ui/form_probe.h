#pragma once

#include "form1.h"

#include <QString>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace pabrel::ui {
class EventTimer;
class ImageHolder;
class PictureBox;
} // namespace pabrel::ui

namespace pabrel::testing {

// Finds the window's controls by name and plays the window as a person would: clicks,
// keys, and watching the boxes while the digits flash.
class FormProbe
{
public:
    explicit FormProbe(ui::Form1& form);

    ui::Form1& form() const { return form_; }
    QLineEdit* box(int index) const;
    QLabel* label() const;
    QPushButton* startButton() const;
    QPushButton* endButton() const;
    ui::PictureBox* pictureBox() const;
    ui::ImageHolder* holder(const QString& name) const;
    ui::EventTimer* timer(const QString& name) const;

    // Shows the window and waits until it has the keyboard.
    bool showActive() const;
    // Clicks the start button and waits, through the real countdown, until the digits are
    // masked and the answer is due.
    bool playToAnswering() const;
    // The digits that flashed in the boxes at the last "GO", as keys to type.
    QString flashedDigits() const;
    // Types `text` into whichever control has the focus, one key per character.
    void type(const QString& text) const;
    QString focusedName() const;

private:
    void watchTheFlash();

    ui::Form1& form_;
    std::array<QString, 9> flashed_;
};

inline const QString LevelText = QStringLiteral("ﾚﾍﾞﾙ ");

} // namespace pabrel::testing

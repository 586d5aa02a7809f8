// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPushButton>

namespace pabrel::ui {

// A push button whose whole face is filled with one colour, under a plain bevel, with its
// caption in the palette's button-text colour. It is never a default button, so Enter
// does not press it; Space does, as for any focused button.
class ColorButton : public QPushButton
{
    Q_OBJECT

public:
    ColorButton(QColor face, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor face_;
};

} // namespace pabrel::ui

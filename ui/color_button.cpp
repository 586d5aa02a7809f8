// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "color_button.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <qdrawutil.h>

namespace pabrel::ui {

ColorButton::ColorButton(QColor face, QWidget* parent) : QPushButton(parent), face_(face)
{
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void ColorButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    const QBrush faceBrush(face_);
    qDrawWinButton(&painter, rect(), palette(), isDown(), &faceBrush);

    if (isDown()) {
        // The caption sinks with the face, as on a pressed three-dimensional button.
        option.rect.translate(1, 1);
    }
    painter.drawControl(QStyle::CE_PushButtonLabel, option);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        focus.backgroundColor = face_;
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace pabrel::ui

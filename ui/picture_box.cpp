// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_box.h"

#include "device_pixels.h"

#include <QPainter>

namespace pabrel::ui {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    // A Windows-style panel is two pixels wide on each side, whatever the style.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setPicture(const QImage& picture)
{
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        // The whole box, border included: on a scaled display the border's lines are thinner
        // than its width, and what they leave is the box's ground, not the window's picture.
        painter.fillRect(rect(), palette().button());
        const QRect interior = contentsRect();
        painter.setClipRect(interior);
        drawAtPixelSize(painter, interior.topLeft(), picture_);
    }
    QFrame::paintEvent(event);
}

} // namespace pabrel::ui

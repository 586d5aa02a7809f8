// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "image_holder.h"

#include "device_pixels.h"

#include <QPainter>

namespace pabrel::ui {

ImageHolder::ImageHolder(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void ImageHolder::setPicture(const QImage& picture)
{
    picture_ = picture;
    if (!picture_.isNull()) {
        resize(sizeAtPixelSize(picture_, devicePixelRatioF()));
    }
    update();
}

void ImageHolder::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawAtPixelSize(painter, QPoint(0, 0), picture_);
}

} // namespace pabrel::ui

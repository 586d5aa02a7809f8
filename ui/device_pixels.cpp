// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "device_pixels.h"

#include <QPainter>

#include <cmath>

namespace pabrel::ui {

void drawAtPixelSize(QPainter& painter, QPoint topLeft, const QPixmap& picture)
{
    if (picture.isNull()) {
        return;
    }
    QPixmap unscaled = picture;
    unscaled.setDevicePixelRatio(painter.device()->devicePixelRatioF());
    painter.drawPixmap(topLeft, unscaled);
}

QSize sizeAtPixelSize(const QPixmap& picture, qreal devicePixelRatio)
{
    return {static_cast<int>(std::ceil(picture.width() / devicePixelRatio)),
            static_cast<int>(std::ceil(picture.height() / devicePixelRatio))};
}

} // namespace pabrel::ui

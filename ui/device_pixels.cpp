// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "device_pixels.h"

#include <QPainter>

#include <cmath>

namespace pabrel::ui {

// The picture is given the place it covers rather than the display's ratio: setting the
// ratio on a shared image copies all its pixels, on every paint. The painter draws only
// what lies in the region being repainted.
void drawAtPixelSize(QPainter& painter, QPoint topLeft, const QImage& picture)
{
    if (picture.isNull()) {
        return;
    }
    const QSizeF pixelSize = QSizeF(picture.size()) / painter.device()->devicePixelRatioF();
    painter.drawImage(QRectF(topLeft, pixelSize), picture);
}

QSize sizeAtPixelSize(const QImage& picture, qreal devicePixelRatio)
{
    return {static_cast<int>(std::ceil(picture.width() / devicePixelRatio)),
            static_cast<int>(std::ceil(picture.height() / devicePixelRatio))};
}

} // namespace pabrel::ui

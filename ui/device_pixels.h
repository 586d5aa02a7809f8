// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

class QPainter;

namespace pabrel::ui {

// The game's pictures are shown pixel for pixel: on a display that Qt scales (a device
// pixel ratio above 1) they keep their size in the display's own pixels while the layout
// around them grows.

// Draws `picture` with its top-left pixel at `topLeft`, one picture pixel per device pixel.
void drawAtPixelSize(QPainter& painter, QPoint topLeft, const QImage& picture);

// The size, in device-independent pixels, that `picture` covers when drawn that way.
QSize sizeAtPixelSize(const QImage& picture, qreal devicePixelRatio);

} // namespace pabrel::ui

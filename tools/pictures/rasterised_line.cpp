// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rasterised_line.h"

#include <QFontMetrics>
#include <QPainter>

#include <stdexcept>

namespace pabrel::art {
namespace {

// Room around the lettering so that no glyph that overhangs its advance is cut off.
int marginFor(const QFont& font)
{
    return font.pixelSize();
}

QRect inkBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] == qRgb(0, 0, 0)) {
                box |= QRect(x, y, 1, 1);
            } else if (row[x] != qRgb(255, 255, 255)) {
                throw std::runtime_error("lettering came out smoothed: a pixel neither black "
                                         "nor white");
            }
        }
    }
    return box;
}

} // namespace

RasterisedLine::RasterisedLine(const QString& text, const QFont& font)
{
    const QFontMetrics metrics(font);
    const int margin = marginFor(font);
    image_ = QImage(metrics.horizontalAdvance(text) + 2 * margin, metrics.height() + 2 * margin,
                    QImage::Format_RGB32);
    image_.fill(Qt::white);
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int baselineRow = margin + metrics.ascent();
    painter.drawText(margin, baselineRow, text);
    painter.end();
    ink_ = inkBox(image_);
    if (ink_.isEmpty()) {
        throw std::runtime_error("a line of lettering left no ink: " + text.toStdString());
    }
    baseline_ = baselineRow - ink_.top();
}

bool RasterisedLine::inkAt(int x, int y) const
{
    return image_.pixel(ink_.left() + x, ink_.top() + y) == qRgb(0, 0, 0);
}

} // namespace pabrel::art

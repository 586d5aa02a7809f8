// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

class QWidget;

namespace pabrel::testing {

// A screenshot of a whole window, in device pixels. toDevice() turns the window's logical
// pixels, in which its controls stand, into the device pixels under them at any scale;
// every area below is in device pixels. Each check returns an empty string when it holds,
// otherwise what the first offending pixel shows.
class WindowShot
{
public:
    explicit WindowShot(const QImage& shot);

    qreal ratio() const { return ratio_; }
    const QImage& image() const { return image_; }
    // Where `control` stands in the window, in the window's logical pixels.
    static QRect placeOf(const QWidget* control);
    QRect toDevice(const QRect& logical) const;

    // Every pixel is `colour`.
    QString solid(const QRect& area, QColor colour) const;
    // Every pixel is `a`, `b` or an even mix of the two, as antialiased text in `b`
    // on a ground of `a` is.
    QString mixOf(const QRect& area, QColor a, QColor b) const;
    // How many pixels are exactly `colour`.
    int count(const QRect& area, QColor colour) const;
    // The bounds of the pixels in `area` that differ from `other`'s.
    QRect differenceFrom(const WindowShot& other, const QRect& area) const;
    // The bounds of the pixels in `area` that are `colour`.
    QRect boundsOf(const QRect& area, QColor colour) const;

private:
    QImage image_;
    qreal ratio_;
};

} // namespace pabrel::testing

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_shot.h"

#include <QWidget>

#include <cstdlib>
#include <functional>

namespace pabrel::testing {

namespace {
// A channel of a mix of `a` and `b` may stray this far from the straight line between
// them, for rounding in the text renderer's blending.
constexpr double MixTolerance = 3.0;

QString describe(QPoint at, QRgb seen)
{
    return QStringLiteral("at %1,%2 (device pixels) the window shows #%3")
        .arg(at.x())
        .arg(at.y())
        .arg(seen & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

bool isMix(QRgb seen, QColor a, QColor b)
{
    const int channels[3][3] = {{qRed(seen), a.red(), b.red()},
                                {qGreen(seen), a.green(), b.green()},
                                {qBlue(seen), a.blue(), b.blue()}};
    // How far from `a` towards `b` the pixel lies, read from its widest channel.
    int widest = 0;
    for (int c = 1; c < 3; ++c) {
        if (std::abs(channels[c][2] - channels[c][1]) >
            std::abs(channels[widest][2] - channels[widest][1])) {
            widest = c;
        }
    }
    const int span = channels[widest][2] - channels[widest][1];
    const double t = span == 0 ? 0.0 : double(channels[widest][0] - channels[widest][1]) / span;
    if (t < -0.01 || t > 1.01) {
        return false;
    }
    for (const auto& channel : channels) {
        const double expected = channel[1] + t * (channel[2] - channel[1]);
        if (std::abs(channel[0] - expected) > MixTolerance) {
            return false;
        }
    }
    return true;
}

// The part of `area` inside the image; nothing when `area` is empty, as one whose far edge
// lies before its near edge is.
QRect clipped(const QRect& area, const QImage& image)
{
    return area.isEmpty() ? QRect() : area.intersected(image.rect());
}

// The first pixel of `area` for which `holds` is false, described; or an empty string.
QString firstFailing(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& holds)
{
    const QRect inside = clipped(area, image);
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (!holds(image.pixel(x, y))) {
                return describe({x, y}, image.pixel(x, y));
            }
        }
    }
    return {};
}
} // namespace

WindowShot::WindowShot(const QImage& shot)
    : image_(shot.convertToFormat(QImage::Format_RGB32)), ratio_(shot.devicePixelRatio())
{
}

QRect WindowShot::placeOf(const QWidget* control)
{
    return {control->mapTo(control->window(), QPoint(0, 0)), control->size()};
}

QRect WindowShot::toDevice(const QRect& logical) const
{
    const QPoint topLeft = logical.topLeft() * ratio_;
    const QPoint end = (logical.topLeft() + QPoint(logical.width(), logical.height())) * ratio_;
    return {topLeft, end - QPoint(1, 1)};
}

QString WindowShot::solid(const QRect& area, QColor colour) const
{
    const QRgb wanted = colour.rgb();
    return firstFailing(image_, area, [wanted](QRgb seen) { return seen == wanted; });
}

QString WindowShot::mixOf(const QRect& area, QColor a, QColor b) const
{
    return firstFailing(image_, area, [a, b](QRgb seen) { return isMix(seen, a, b); });
}

int WindowShot::count(const QRect& area, QColor colour) const
{
    int found = 0;
    const QRgb wanted = colour.rgb();
    firstFailing(image_, area, [&found, wanted](QRgb seen) {
        found += seen == wanted ? 1 : 0;
        return true;
    });
    return found;
}

QRect WindowShot::differenceFrom(const WindowShot& other, const QRect& area) const
{
    QRect bounds;
    const QRect inside = clipped(area, image_);
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (image_.pixel(x, y) != other.image_.pixel(x, y)) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

QRect WindowShot::boundsOf(const QRect& area, QColor colour) const
{
    QRect bounds;
    const QRect inside = clipped(area, image_);
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (image_.pixel(x, y) == colour.rgb()) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

} // namespace pabrel::testing

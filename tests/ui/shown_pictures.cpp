// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shown_pictures.h"

#include "picture_box.h"

#include <QDir>
#include <QPixmap>

#include <algorithm>

namespace pabrel::testing {

QImage committedPicture(const QString& fileName)
{
    const QString path = QDir(QStringLiteral(PABREL_ASSETS_DIR)).filePath(fileName);
    const QImage picture(path);
    if (picture.isNull()) {
        qFatal("cannot decode %s", qPrintable(path));
    }
    return picture.convertToFormat(QImage::Format_RGB32);
}

QString pictureMismatch(const QImage& shot, QPoint origin, const QImage& picture, const QRect& clip,
                        const QList<QRect>& covered)
{
    const QImage seen = shot.convertToFormat(QImage::Format_RGB32);
    const QImage expected = picture.convertToFormat(QImage::Format_RGB32);
    const QRect area = QRect(origin, expected.size()).intersected(clip).intersected(seen.rect());
    if (area.isEmpty()) {
        return QStringLiteral("the picture would not be seen at all");
    }
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QPoint at(x, y);
            const bool hidden = std::any_of(covered.begin(), covered.end(),
                                            [at](const QRect& rect) { return rect.contains(at); });
            const QRgb want = expected.pixel(at - origin);
            if (!hidden && seen.pixel(at) != want) {
                return QStringLiteral("at %1,%2 the window shows #%3, the picture has #%4")
                    .arg(x)
                    .arg(y)
                    .arg(seen.pixel(at) & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                    .arg(want & 0xFFFFFF, 6, 16, QLatin1Char('0'));
            }
        }
    }
    return {};
}

QString pictureBoxMismatch(ui::PictureBox* box, const QString& fileName)
{
    const QImage shot = box->grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    const QRect interior = box->contentsRect();
    const QRect deviceInterior(interior.topLeft() * ratio, interior.size() * ratio);
    return pictureMismatch(shot, deviceInterior.topLeft(), committedPicture(fileName),
                           deviceInterior);
}

} // namespace pabrel::testing

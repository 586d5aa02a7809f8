// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop_icons.h"

#include "palette.h"

#include <QImage>
#include <QPainter>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace pabrel::art {

namespace {
QImage toImage(const IndexedImage& picture, int factor)
{
    QImage image(picture.width() * factor, picture.height() * factor, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgb colour = StandardPalette.at(picture.at(x / factor, y / factor));
            image.setPixel(x, y, qRgb(colour.red, colour.green, colour.blue));
        }
    }
    return image;
}

QImage centredOn(const QImage& image, int side)
{
    QImage square(side, side, QImage::Format_ARGB32);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    painter.drawImage((side - image.width()) / 2, (side - image.height()) / 2, image);
    return square;
}

void save(const QImage& image, const std::filesystem::path& path)
{
    if (!image.save(QString::fromStdString(path.string()), "PNG")) {
        throw std::runtime_error("cannot write " + path.string());
    }
    std::printf("wrote %s\n", path.string().c_str());
}
} // namespace

void writeDesktopIcons(const IndexedImage& icon, const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    const int side = icon.width();
    for (const int size : {32, 48, 64, 128, 256}) {
        const QImage enlarged = toImage(icon, size / side);
        save(enlarged.width() == size ? enlarged : centredOn(enlarged, size),
             folder / (std::to_string(size) + ".png"));
    }
}

} // namespace pabrel::art

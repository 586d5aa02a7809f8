// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "built_in_pictures.h"

#include "card_texts.h"

#include <QImage>
#include <QString>

#include <stdexcept>

namespace pabrel::ui {
namespace {

QPixmap decode(const char* fileName, const char* format)
{
    const QString path = QStringLiteral(":/pictures/") + QLatin1String(fileName);
    const QImage image(path, format);
    if (image.isNull()) {
        throw std::runtime_error("the built-in picture " + path.toStdString() +
                                 " cannot be decoded");
    }
    return QPixmap::fromImage(image);
}

QString cardText(std::span<const std::string_view> lines)
{
    return QString::fromStdString(card_texts::joined(lines));
}

} // namespace

FormPictures builtInPictures()
{
    FormPictures pictures;
    pictures.background = decode("background.bmp", "BMP");
    pictures.icon = decode("pabrel.ico", "ICO");
    pictures.rules = decode("rules.bmp", "BMP");
    pictures.rulesText = cardText(card_texts::rules);
    for (int level = 1; level <= 8; ++level) {
        const auto index = static_cast<std::size_t>(level - 1);
        const std::string name = "level" + std::to_string(level) + ".bmp";
        pictures.levels[index] = decode(name.c_str(), "BMP");
        pictures.levelTexts[index] = cardText(card_texts::levels[index]);
    }
    return pictures;
}

} // namespace pabrel::ui

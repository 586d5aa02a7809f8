// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "built_in_pictures.h"

#include "card_texts.h"

#include <QImageReader>
#include <QPixmap>
#include <QString>

#include <optional>
#include <stdexcept>

namespace pabrel::ui {
namespace {

// The format is named and never guessed: guessing asks every image plugin installed (and
// so loads each) before the built-in BMP reader gets its turn. The image keeps the form
// the reader gives, for the 4-bit files one byte a pixel through their colour table.
QImage decode(const QString& fileName, const char* format)
{
    const QString path = QStringLiteral(":/pictures/") + fileName;
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull()) {
        throw std::runtime_error("the built-in picture " + path.toStdString() +
                                 " cannot be decoded (" + reader.errorString().toStdString() + ")");
    }
    return image;
}

QString cardText(std::span<const std::string_view> lines)
{
    return QString::fromStdString(card_texts::joined(lines));
}

// The cards of each language lie in a folder of their own; Japanese, the first, at the top.
QString cardFile(Language language, const QString& name)
{
    return language == Language::English ? QStringLiteral("en/") + name : name;
}

QImage decodeRules(Language language, RecallOrder order)
{
    const std::string_view code = codeOf(order);
    const QString name =
        order == RecallOrder::Forward
            ? QStringLiteral("rules.bmp")
            : QStringLiteral("rules_%1.bmp")
                  .arg(QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size())));
    return decode(cardFile(language, name), "bmp");
}

// Every order's rules card but `except`'s, which stays null.
std::array<QImage, RecallOrderCount> decodeRulesBut(Language language,
                                                    std::optional<RecallOrder> except)
{
    std::array<QImage, RecallOrderCount> cards;
    for (int i = 0; i < RecallOrderCount; ++i) {
        const auto order = static_cast<RecallOrder>(i);
        if (order != except) {
            cards[static_cast<std::size_t>(i)] = decodeRules(language, order);
        }
    }
    return cards;
}

std::array<QImage, MaxLevel> decodeLevels(Language language)
{
    std::array<QImage, MaxLevel> levels;
    for (int level = MinLevel; level <= MaxLevel; ++level) {
        levels[static_cast<std::size_t>(level - 1)] =
            decode(cardFile(language, QStringLiteral("level%1.bmp").arg(level)), "bmp");
    }
    return levels;
}

void addCardTexts(FormPictures& pictures, Language language)
{
    const card_texts::CardSet cards = card_texts::cardsIn(language);
    pictures.rulesTexts = {cardText(cards.rules), cardText(cards.rulesBackward),
                           cardText(cards.rulesAscending)};
    for (std::size_t i = 0; i < pictures.levelTexts.size(); ++i) {
        pictures.levelTexts[i] = cardText(cards.levels[i]);
    }
}

} // namespace

FormPictures firstFramePictures(Language language, RecallOrder order)
{
    FormPictures pictures;
    // The background is repainted under the digit boxes in the middle of every flash:
    // fetched through its colour table, those repaints made some flashes milliseconds long.
    pictures.background =
        decode(QStringLiteral("background.bmp"), "bmp").convertToFormat(QImage::Format_RGB32);
    pictures.rules.at(static_cast<std::size_t>(order)) = decodeRules(language, order);
    addCardTexts(pictures, language);
    return pictures;
}

LaterPictures laterPictures(Language language, RecallOrder firstOrder)
{
    LaterPictures pictures;
    pictures.icon = QPixmap::fromImage(decode(QStringLiteral("pabrel.ico"), "ico"));
    pictures.levels = decodeLevels(language);
    pictures.rules = decodeRulesBut(language, firstOrder);
    return pictures;
}

FormPictures cardPictures(Language language)
{
    FormPictures pictures;
    pictures.rules = decodeRulesBut(language, std::nullopt);
    pictures.levels = decodeLevels(language);
    addCardTexts(pictures, language);
    return pictures;
}

FormPictures builtInPictures(Language language)
{
    FormPictures pictures = firstFramePictures(language);
    LaterPictures later = laterPictures(language);
    pictures.icon = later.icon;
    pictures.levels = later.levels;
    pictures.rules = decodeRulesBut(language, std::nullopt);
    return pictures;
}

} // namespace pabrel::ui

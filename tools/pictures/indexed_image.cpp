// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "indexed_image.h"

#include <stdexcept>

namespace pabrel::art {

IndexedImage::IndexedImage(int width, int height, std::uint8_t fill)
    : width_(width), height_(height)
{
    if (width <= 0 || height <= 0) {
        throw std::invalid_argument("an image needs a positive width and height");
    }
    if (fill > 15) {
        throw std::invalid_argument("palette index out of range");
    }
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
}

std::uint8_t IndexedImage::at(int x, int y) const
{
    return pixels_[offset(x, y)];
}

void IndexedImage::set(int x, int y, std::uint8_t index)
{
    if (index > 15) {
        throw std::invalid_argument("palette index out of range");
    }
    pixels_[offset(x, y)] = index;
}

std::size_t IndexedImage::offset(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        throw std::out_of_range("pixel outside the image");
    }
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
}

} // namespace pabrel::art

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

namespace pabrel::art {

// A picture as indices into the standard palette, row by row from the top.
class IndexedImage
{
public:
    IndexedImage(int width, int height, std::uint8_t fill);

    int width() const { return width_; }
    int height() const { return height_; }
    std::uint8_t at(int x, int y) const;
    void set(int x, int y, std::uint8_t index);

private:
    std::size_t offset(int x, int y) const;

    int width_;
    int height_;
    std::vector<std::uint8_t> pixels_;
};

} // namespace pabrel::art

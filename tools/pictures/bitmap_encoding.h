// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "indexed_image.h"

#include <cstdint>
#include <vector>

namespace pabrel::art {

// The resolution written into bitmaps: 96 dots per inch.
inline constexpr std::int32_t PixelsPerMetre = 3780;

// A complete BMP file: the 14-byte file header, the 40-byte information header, the
// standard 16-colour palette and 4-bit pixels without compression, rows bottom-up and
// padded to 4 bytes.
std::vector<std::uint8_t> encodeBmp(const IndexedImage& image);

// A complete ICO file holding the one image at 4 bits per pixel with the standard palette
// and an empty AND mask, so that every pixel is opaque. Sides are at most 256 pixels.
std::vector<std::uint8_t> encodeIco(const IndexedImage& image);

} // namespace pabrel::art

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "four_bit_picture.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace pabrel::testing {

std::uint8_t FourBitPicture::at(int x, int y) const
{
    return rows.at(static_cast<std::size_t>(y)).at(static_cast<std::size_t>(x));
}

void FourBitPicture::readPixels(const LittleEndianReader& file, std::size_t pixelOffset, int height)
{
    if (info.bitCount != 4 || info.width <= 0 || height <= 0) {
        throw std::runtime_error("not a bottom-up 4-bit picture");
    }
    const int width = info.width;
    const std::size_t rowSize = storedRowSize(width, 4);
    const auto usedBytes = static_cast<std::size_t>(width + 1) / 2;
    rows.assign(static_cast<std::size_t>(height), {});
    paddingClean = true;
    for (int stored = 0; stored < height; ++stored) {
        const std::size_t start = pixelOffset + static_cast<std::size_t>(stored) * rowSize;
        auto& row = rows.at(static_cast<std::size_t>(height - 1 - stored));
        for (int x = 0; x < width; ++x) {
            const std::uint8_t byte = file.u8(start + static_cast<std::size_t>(x / 2));
            row.push_back(x % 2 == 0 ? byte >> 4 : byte & 0x0F);
        }
        if (width % 2 == 1 && (file.u8(start + usedBytes - 1) & 0x0F) != 0) {
            paddingClean = false;
        }
        for (std::size_t pad = usedBytes; pad < rowSize; ++pad) {
            paddingClean = paddingClean && file.u8(start + pad) == 0;
        }
    }
}

std::size_t FourBitPicture::pixelsEnd(std::size_t pixelOffset) const
{
    return pixelOffset + storedRowSize(width(), 4) * rows.size();
}

std::vector<std::uint8_t> readWholeFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path.string());
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace pabrel::testing

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files.h"
#include "stored_icon.h"

#include <QImage>

#include <gtest/gtest.h>

namespace pabrel::testing {
namespace {

constexpr int Side = 32;

QRgb iconColour(const StoredIcon& icon, int x, int y)
{
    const PaletteEntry& entry = icon.info.palette.at(icon.at(x, y));
    return qRgb(entry.red, entry.green, entry.blue);
}

class DesktopIcon : public ::testing::TestWithParam<int>
{
protected:
    const StoredIcon icon = StoredIcon::load(assetPath("pabrel.ico"));
    const QImage png{
        QString::fromStdString(assetPath("icons/" + std::to_string(GetParam()) + ".png").string())};
};

// Every size repeats each pixel of the icon a whole number of times; where the size is no
// whole multiple, the icon sits at its own size in the middle of a transparent square.
TEST_P(DesktopIcon, IsTheIconEnlargedPixelForPixel)
{
    const int size = GetParam();
    ASSERT_EQ(png.width(), size);
    ASSERT_EQ(png.height(), size);
    const int factor = size % Side == 0 ? size / Side : 1;
    const int margin = (size - Side * factor) / 2;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int iconX = (x - margin) / factor;
            const int iconY = (y - margin) / factor;
            const bool onIcon = x >= margin && y >= margin && iconX < Side && iconY < Side;
            const QRgb expected = onIcon ? iconColour(icon, iconX, iconY) : qRgba(0, 0, 0, 0);
            ASSERT_EQ(png.pixel(x, y), expected) << "at " << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, DesktopIcon, ::testing::Values(32, 48, 64, 128, 256));

} // namespace
} // namespace pabrel::testing

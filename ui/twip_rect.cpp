// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "twip_rect.h"

#include <cmath>

namespace pabrel::ui {

namespace {
// A device-independent pixel is 1/96 of a logical inch.
constexpr double TwipsPerPixel = 1440.0 / 96.0;
} // namespace

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

QRect TwipRect::toPixels() const
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace pabrel::ui

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "indexed_image.h"

namespace pabrel::art {

inline constexpr int BackgroundWidth = 782;
inline constexpr int BackgroundHeight = 576;
inline constexpr int BackgroundBlueCount = 31411;
inline constexpr int BackgroundPatchSide = 100;

// The window's background: white, sprinkled with single blue pixels that gather into soft
// clouds, with broken light-grey lines down the outermost columns and a few light-grey
// pixels along the top row. The same every time it is drawn.
IndexedImage drawBackground();

struct SpeckleSummary
{
    int bluePixels;
    // The thinnest and densest share of blue over every patch of BackgroundPatchSide.
    double thinnestPatch;
    double densestPatch;
};

SpeckleSummary summariseSpeckle(const IndexedImage& background);

} // namespace pabrel::art

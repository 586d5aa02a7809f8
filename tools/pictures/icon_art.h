// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "indexed_image.h"

namespace pabrel::art {

inline constexpr int IconSide = 32;

// The game's title, "Pabrel", in heavy black letters on white: "Pab" across the top,
// "rel" centred under it.
IndexedImage drawIcon();

} // namespace pabrel::art

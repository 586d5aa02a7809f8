// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "indexed_image.h"

#include <filesystem>

namespace pabrel::art {

// Writes the icon as PNG files for the desktop's icon theme, at 32, 48, 64, 128 and 256 px:
// each an enlargement by a whole factor with every pixel repeated, so that the lettering
// stays as crisp as the original. 48 px is not a whole multiple of 32: there the icon keeps
// its size, centred on a transparent square.
void writeDesktopIcons(const IndexedImage& icon, const std::filesystem::path& folder);

} // namespace pabrel::art

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_pictures.h"

namespace pabrel::ui {

// The game's own pictures, compiled into the program from assets/, each decoded from its
// stored file. Only a broken build can leave one undecodable; that throws
// std::runtime_error naming the picture rather than showing a window without it.
FormPictures builtInPictures();

} // namespace pabrel::ui

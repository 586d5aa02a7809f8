// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_pictures.h"

namespace pabrel::ui {

// The game's own pictures, compiled into the program from assets/, each decoded from its
// stored file. Only a broken build can leave one undecodable; that throws
// std::runtime_error naming the picture rather than showing a window without it.

// Every picture, decoded at once.
FormPictures builtInPictures();

// What the window's first frame shows: the background and the rules card, and what every
// card says. The level cards and the icon stay in their compact stored form until
// laterPictures() decodes them (DeferredPictures does so once the window is on screen).
FormPictures firstFramePictures();

// The icon and the level cards, the rest of builtInPictures().
LaterPictures laterPictures();

} // namespace pabrel::ui

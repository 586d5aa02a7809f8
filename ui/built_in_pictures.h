// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_pictures.h"
#include "language.h"

namespace pabrel::ui {

// The game's own pictures, compiled into the program from assets/, each decoded from its
// stored file. Only a broken build can leave one undecodable; that throws
// std::runtime_error naming the picture rather than showing a window without it.

// The cards, and what they say, are those of `language`; the background and the icon are
// shared.

// Every picture, decoded at once.
FormPictures builtInPictures(Language language = Language::Japanese);

// What the window's first frame shows: the background and the rules card of `order`, and
// what every card says. The other cards and the icon stay in their compact stored form until
// laterPictures() decodes them (DeferredPictures does so once the window is on screen).
FormPictures firstFramePictures(Language language = Language::Japanese,
                                RecallOrder order = RecallOrder::Forward);

// The icon, the level cards and the rules cards but `firstOrder`'s: the rest of
// builtInPictures().
LaterPictures laterPictures(Language language = Language::Japanese,
                            RecallOrder firstOrder = RecallOrder::Forward);

// Only the cards and their texts, for a window that changes its language.
FormPictures cardPictures(Language language);

} // namespace pabrel::ui

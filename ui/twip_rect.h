// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

namespace pabrel::ui {

// A control's place in the window, in twips (1/1440 inch) from the top-left corner of the
// client area, as the layout is drawn up.
struct TwipRect
{
    int left;
    int top;
    int width;
    int height;

    // The same place in Qt's device-independent pixels, which Qt scales to the display, so
    // the layout grows with the display's resolution.
    QRect toPixels() const;
};

int twipsToPixels(int twips);

} // namespace pabrel::ui

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace pabrel::ui {

// The one face of every text in the window, regular weight, at `pointSize`. The game is
// drawn for "ＭＳ Ｐゴシック"; where a machine lacks it, the first proportional Japanese
// Gothic it has stands in, IPAPGothic (made to the same metrics) first.
QFont gameFont(int pointSize);

} // namespace pabrel::ui

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace pabrel::ui {

// The label that tells the level, the count and the result. It is a plain label on screen;
// screen readers see it as the window's status bar.
class StatusLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;
};

} // namespace pabrel::ui

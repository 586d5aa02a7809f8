// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace pabrel::ui {

// Whatever sounds the beep that follows each result.
class Bell
{
public:
    virtual ~Bell() = default;

    virtual void ring() = 0;
};

} // namespace pabrel::ui

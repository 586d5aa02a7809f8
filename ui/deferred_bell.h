// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bell.h"

#include <memory>

namespace pabrel::ui {

// The window's bell while the desktop's is still being loaded: the toolkit's beep until
// the real bell is handed over, and that bell from then on.
class DeferredBell : public Bell
{
public:
    void handOver(std::unique_ptr<Bell> bell) { bell_ = std::move(bell); }

    void ring() override;

private:
    std::unique_ptr<Bell> bell_;
};

} // namespace pabrel::ui

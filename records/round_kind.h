// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "recall_order.h"

#include <cstddef>

namespace pabrel::records {

// How the digits reached the player: flashed on screen, or read aloud in the listening
// mode.
enum class Presentation
{
    Shown,
    Spoken,
};

inline constexpr int PresentationCount = 2;

// What task a round set: the digits shown or spoken, and given back in which order. Each
// kind loads memory differently, and has a level table and a span of its own.
struct RoundKind
{
    RecallOrder order = RecallOrder::Forward;
    Presentation presentation = Presentation::Shown;

    // Where the kind stands among the RoundKindCount kinds.
    constexpr std::size_t index() const
    {
        return std::size_t(order) * PresentationCount + std::size_t(presentation);
    }

    friend bool operator==(const RoundKind&, const RoundKind&) = default;
};

inline constexpr std::size_t RoundKindCount = RecallOrderCount * PresentationCount;

} // namespace pabrel::records

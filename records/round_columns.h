// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

namespace pabrel::records {

// A column of the rounds table, and how it reads as text: painted_ms to two decimals, and
// an empty text for a missing value.
struct RoundColumn
{
    const char* name;
    const char* asText;
};

// The columns of a round, in the order in which they are written and exported.
inline constexpr std::array<RoundColumn, 8> RoundColumns{{
    {"started_at", "started_at"},
    {"level", "level"},
    {"shown", "shown"},
    {"typed", "typed"},
    {"outcome", "outcome"},
    {"display_ms", "display_ms"},
    {"painted_ms", "iif(painted_ms IS NULL, NULL, printf('%.2f', painted_ms))"},
    {"answer_ms", "answer_ms"},
}};

} // namespace pabrel::records

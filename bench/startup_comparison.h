// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>

namespace pabrel::bench {

// Launches the game as a player starts it, the game without records, and two bare Qt
// windows of `windowSize` in turn, `runs` times each, and prints a table of what each
// needed to reach its first painted frame. Returns false if a launch failed.
bool compareStartups(QSize windowSize, int runs);

} // namespace pabrel::bench

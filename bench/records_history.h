// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QString>

namespace pabrel::bench {

// Fills a new records file with `rounds` rounds of a made-up player who plays most
// evenings up to `lastDay` and slowly gets better, moving between levels by the game's
// rules. Returns false, with a message on standard error, if the file cannot be made.
bool seedHistory(const QString& file, int rounds, QDate lastDay, unsigned seed);

} // namespace pabrel::bench

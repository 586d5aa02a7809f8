// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "round_record.h"

#include <QDate>
#include <QString>

#include <functional>

namespace pabrel::bench {

using RoundVisitor = std::function<void(const records::RoundRecord&)>;

// Writes the rounds that `play` hands its visitor to the records file, made if missing, in
// one transaction. Returns false, with a message on standard error, if it cannot.
bool writeRounds(const QString& file, const std::function<void(const RoundVisitor&)>& play);

// Fills a new records file with `rounds` rounds of a made-up player who plays most
// evenings up to `lastDay` and slowly gets better, moving between levels by the game's
// rules. Returns false, with a message on standard error, if the file cannot be made.
bool seedHistory(const QString& file, int rounds, QDate lastDay, unsigned seed);

} // namespace pabrel::bench

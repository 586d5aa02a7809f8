// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "level_rules.h"
#include "record_store.h"
#include "round_record.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <random>
#include <string_view>
#include <vector>

namespace pabrel::testing {

// A plausible round, different for every `n`: levels, outcomes and answers vary, and one
// in five has no painted time or no answer time.
records::RoundRecord sampleRound(int n);

// Rounds played by the game's rules, one every 20 s from `from` and from `level` on:
// `answers` holds each round's answer, '+' right, '-' wrong and 'g' given up.
std::vector<records::RoundRecord> playedRounds(const QDateTime& from, std::string_view answers,
                                               int level = MinLevel, records::RoundKind kind = {});

// A player who gets a row of d digits right with the chance 1 / (1 + e^(slope (d - span)))
// and gives up on `giveUpShare` of the rows they miss.
struct SimulatedPlayer
{
    double span;
    double slope;
    double giveUpShare = 0;

    // A sitting of `rounds` rounds from `level`, as answers for playedRounds; `level` ends
    // where the next round would be.
    std::string sitting(int rounds, int& level, std::mt19937& random) const;
};

// How the records read `round` back, field by field as text.
QStringList asRow(const records::RoundRecord& round);

// Every round of `file`, as the records read them back; empty if it cannot be read.
std::vector<QStringList> rowsOf(const QString& file);

// The whole file, for checking that a failure left it untouched.
QByteArray fileBytes(const QString& path);

// Runs SQL on the file through a connection of its own; returns the first column of the
// first row of the last statement.
QString querySql(const QString& file, const QString& statement);
QString querySql(const QString& file, const QStringList& statements);

// Opens a store on `file` for writing, failing the test if it cannot.
void openForWriting(records::RecordStore& store);

} // namespace pabrel::testing

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "records_history.h"

#include "level_rules.h"
#include "record_store.h"
#include "round_columns.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cmath>
#include <cstdio>
#include <functional>
#include <random>

namespace pabrel::bench {

namespace {
struct Player
{
    std::mt19937 dice;
    int level = 1;

    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(dice) < p; }
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(dice); }
};

QString digits(Player& player, int count)
{
    QString text;
    for (int i = 0; i < count; ++i) {
        text += QChar(u'0' + player.between(0, 9));
    }
    return text;
}

// One round at the player's level with `skill` (the level they get right half the time).
pabrel::records::RoundRecord playRound(Player& player, double skill, const QDateTime& at)
{
    pabrel::records::RoundRecord round;
    round.startedAt = at;
    round.level = player.level;
    round.shown = digits(player, digitsAt(Int16(player.level)));
    round.displayMs = player.level <= 2 ? 600 : 300;
    const bool givesUp = player.chance(0.03);
    const bool right = !givesUp && player.chance(1 / (1 + std::exp(2.2 * (player.level - skill))));
    if (givesUp) {
        round.outcome = RoundOutcome::GaveUp;
        round.typed = round.shown.left(player.between(0, player.level));
    } else if (right) {
        round.outcome = RoundOutcome::Correct;
        round.typed = round.shown;
    } else {
        round.outcome = RoundOutcome::Wrong;
        round.typed = round.shown;
        const int slip = player.between(0, player.level);
        round.typed[slip] = QChar(u'0' + (round.typed[slip].digitValue() + 1) % 10);
    }
    // Given up while the digits still show: neither the flash nor an answer was timed.
    if (!givesUp || !round.typed.isEmpty()) {
        round.paintedMs = round.displayMs + player.between(5, 60) / 100.0;
        round.answerMs = player.between(700, 1500) + 350 * player.level;
    }
    player.level = levelAfter(Int16(player.level), right);
    return round;
}
// The player's history from `firstDay` on, round by round; returns the last day played.
QDate playHistory(int rounds, QDate firstDay, unsigned seed, const RoundVisitor& visit)
{
    Player player{std::mt19937(seed)};
    QDate day = firstDay;
    QDate lastPlayed = firstDay;
    for (int done = 0; done < rounds; day = day.addDays(1)) {
        if (player.chance(0.25)) {
            continue;
        }
        lastPlayed = day;
        // The player sharpens quickly at first, then ever more slowly.
        const double skill = 2.2 + 1.1 * std::log1p(done / 400.0);
        QDateTime at(day, QTime(player.between(18, 21), player.between(0, 59)));
        for (int n = player.between(8, 60); n > 0 && done < rounds; --n, ++done) {
            const auto round = playRound(player, std::min(skill, 7.5), at);
            visit(round);
            at = at.addMSecs(4500 + player.between(0, 4000) + 350 * round.level);
        }
    }
    return lastPlayed;
}
} // namespace

bool writeRounds(const QString& file, const std::function<void(const RoundVisitor&)>& play)
{
    {
        records::RecordStore store(file);
        if (const auto failure = store.open(records::RecordStore::Opening::CreateIfMissing)) {
            std::fprintf(stderr, "%s\n",
                         qUtf8Printable(failure->line(records::RecordError::Use::Reading)));
            return false;
        }
    }
    const QString connection = QStringLiteral("history");
    bool written = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(file);
        db.open();
        db.transaction();
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("INSERT INTO rounds (started_at, level, shown, typed,"
                                      " outcome, display_ms, painted_ms, answer_ms, presentation)"
                                      " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        // Written straight, many rounds to a transaction: the store commits each alone.
        play([&](const records::RoundRecord& round) {
            for (const QVariant& value :
                 {QVariant(round.startedAt.toUTC().toString(Qt::ISODateWithMs)),
                  QVariant(round.level), QVariant(round.shown), QVariant(round.typed),
                  QVariant(QString(records::nameOf(round.outcome))), QVariant(round.displayMs),
                  round.paintedMs ? QVariant(*round.paintedMs) : QVariant(),
                  round.answerMs ? QVariant(*round.answerMs) : QVariant(),
                  QVariant(QString(records::nameOf(round.presentation)))}) {
                insert.addBindValue(value);
            }
            insert.exec();
        });
        written = db.commit();
        if (!written) {
            std::fprintf(stderr, "%s\n", qUtf8Printable(db.lastError().text()));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return written;
}

bool seedHistory(const QString& file, int rounds, QDate lastDay, unsigned seed)
{
    // Played once to learn how many days it takes, and again from the day that makes it end
    // on `lastDay`.
    const QDate start(2000, 1, 1);
    const QDate firstDay =
        lastDay.addDays(-start.daysTo(playHistory(rounds, start, seed, [](const auto&) {})));
    return writeRounds(
        file, [&](const RoundVisitor& visit) { playHistory(rounds, firstDay, seed, visit); });
}

} // namespace pabrel::bench

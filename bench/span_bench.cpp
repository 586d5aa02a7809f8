// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Simulated players whose true span is known each play a week into a records file of their
// own, which `pabrel --summary` then reads, as a player would: how often it gives a figure,
// how far off the figure is, and how often the truth lies within its spread. Then the ends
// of the rows, and the migration of a long history written before rounds said how their
// digits were given.

#include "level_rules.h"
#include "record_store.h"
#include "records_history.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <random>

namespace {

using pabrel::Int16;
using pabrel::records::RoundRecord;

struct Player
{
    double span;
    double slope;
    // The share of missed rows given up rather than answered.
    double giveUpShare = 0;
};

// What `--summary` said of the last seven days.
struct Said
{
    enum Kind
    {
        None,
        Digits,
        Ceiling,
        Floor,
    } kind = None;
    double digits = 0;
    double spread = 0;
};

double uniform(std::mt19937& random)
{
    return std::uniform_real_distribution<double>(0, 1)(random);
}

// A week as players play it: sittings of 6 to 14 rounds on four of its seven days, most of
// them in a new window that starts at level 1; or `roundsADay` rounds in a new window every
// day.
void playWeek(const Player& player, unsigned seed, int roundsADay,
              const pabrel::bench::RoundVisitor& visit)
{
    std::mt19937 random(seed);
    int level = pabrel::MinLevel;
    const QDate today = QDate::currentDate();
    for (int day = 0; day < 7; ++day) {
        if (roundsADay == 0 && std::uniform_int_distribution(0, 6)(random) < 3) {
            continue;
        }
        if (roundsADay > 0 || std::uniform_int_distribution(0, 3)(random) > 0) {
            level = pabrel::MinLevel;
        }
        const int rounds =
            roundsADay > 0 ? roundsADay : std::uniform_int_distribution(6, 14)(random);
        QDateTime at(today.addDays(day - 6), QTime(7, 0));
        for (int n = 0; n < rounds; ++n, at = at.addSecs(20)) {
            RoundRecord round;
            round.startedAt = at;
            round.level = level;
            const Int16 digits = pabrel::digitsAt(Int16(level));
            round.shown = QString(digits, QLatin1Char('3'));
            const bool right =
                uniform(random) < 1 / (1 + std::exp(player.slope * (digits - player.span)));
            round.outcome = right                                  ? pabrel::RoundOutcome::Correct
                            : uniform(random) < player.giveUpShare ? pabrel::RoundOutcome::GaveUp
                                                                   : pabrel::RoundOutcome::Wrong;
            round.typed = right ? round.shown : QStringLiteral("x");
            round.displayMs = 300;
            visit(round);
            level = pabrel::levelAfter(Int16(level), right);
        }
    }
}

Said summaryOf(const QString& program, const QString& home)
{
    QProcess pabrel;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home);
    pabrel.setProcessEnvironment(environment);
    pabrel.start(program, {QStringLiteral("--summary")});
    if (!pabrel.waitForFinished(60'000) || pabrel.exitCode() != 0) {
        qFatal("pabrel --summary failed: %s", pabrel.readAllStandardError().constData());
    }
    const QString out = QString::fromUtf8(pabrel.readAllStandardOutput());
    static const QRegularExpression line(
        QStringLiteral("^span now: (?:([0-9.]+) digits \\(±([0-9.]+)\\)|(9 digits or more)|"
                       "(2 digits or fewer)|not enough)"),
        QRegularExpression::MultilineOption);
    const auto match = line.match(out);
    if (!match.hasMatch()) {
        qFatal("no span in: %s", qPrintable(out));
    }
    if (match.hasCaptured(1)) {
        return {Said::Digits, match.captured(1).toDouble(), match.captured(2).toDouble()};
    }
    return {match.hasCaptured(3) ? Said::Ceiling : match.hasCaptured(4) ? Said::Floor : Said::None};
}

std::vector<Said> weeksSaid(const QString& program, const Player& player, int players,
                            int roundsADay = 0)
{
    std::vector<Said> said;
    for (int seed = 0; seed < players; ++seed) {
        QTemporaryDir home;
        const QString file = home.filePath(QStringLiteral("pabrel/records.sqlite3"));
        if (!pabrel::bench::writeRounds(file, [&](const auto& visit) {
                playWeek(player, 1000 + unsigned(seed), roundsADay, visit);
            })) {
            qFatal("cannot write %s", qPrintable(file));
        }
        said.push_back(summaryOf(program, home.path()));
    }
    return said;
}

double share(const std::vector<Said>& said, Said::Kind kind)
{
    return 100.0 * double(std::ranges::count(said, kind, &Said::kind)) / double(said.size());
}

void measureWeeks(const QString& program, int players)
{
    std::printf("A week of about 40 rounds, %d players a condition, through `pabrel --summary`:\n"
                "span  slope  figure  mean error  within ±1  within ±1.96\n",
                players);
    int figures = 0;
    int withinOne = 0;
    int withinTwo = 0;
    for (const double span : {4.5, 6.0, 7.5}) {
        for (const double slope : {0.8, 1.5, 3.0}) {
            const auto said = weeksSaid(program, {span, slope}, players);
            int given = 0;
            int one = 0;
            int two = 0;
            double error = 0;
            for (const Said& each : said) {
                if (each.kind == Said::Digits) {
                    ++given;
                    error += each.digits - span;
                    // The figures are printed rounded: half a unit of their last place.
                    const double off = std::abs(each.digits - span) / each.spread;
                    one += off <= 1;
                    two += off <= 1.96;
                }
            }
            std::printf("%4.1f  %5.1f  %5.1f%%  %+10.3f  %8.1f%%  %11.1f%%\n", span, slope,
                        100.0 * given / players, error / std::max(given, 1),
                        100.0 * one / std::max(given, 1), 100.0 * two / std::max(given, 1));
            figures += given;
            withinOne += one;
            withinTwo += two;
        }
    }
    std::printf("All: within ±1 %.1f%%, within ±1.96 %.1f%%\n\n", 100.0 * withinOne / figures,
                100.0 * withinTwo / figures);
    std::printf("5 rounds a day for 7 days, span 6.0, slope 1.5: a figure for %.1f%%\n",
                100 - share(weeksSaid(program, {6.0, 1.5}, players, 5), Said::None));
    std::printf("Span 8.5, half the misses given up: \"9 digits or more\" for %.1f%%\n",
                share(weeksSaid(program, {8.5, 1.5, 0.5}, players), Said::Ceiling));
    std::printf("Span 10.5: \"9 digits or more\" for %.1f%%\n\n",
                share(weeksSaid(program, {10.5, 1.5}, players), Said::Ceiling));
}

// A long history written as the first schema wrote it, then opened by the game.
void measureMigration(int rounds)
{
    QTemporaryDir home;
    const QString file = home.filePath(QStringLiteral("pabrel/records.sqlite3"));
    if (!pabrel::bench::seedHistory(file, rounds, QDate::currentDate(), 8)) {
        return;
    }
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
        db.setDatabaseName(file);
        db.open();
        QSqlQuery query(db);
        query.exec(QStringLiteral("ALTER TABLE rounds DROP COLUMN presentation"));
        query.exec(QStringLiteral("PRAGMA user_version = 1"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("v1"));
    QElapsedTimer clock;
    clock.start();
    pabrel::records::RecordStore store(file);
    const auto failure = store.open(pabrel::records::RecordStore::Opening::CreateIfMissing);
    std::printf("A version-1 file of %d rounds opened for writing: %s in %.1f ms\n", rounds,
                failure ? "failed" : "migrated to version 2", double(clock.nsecsElapsed()) / 1e6);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Checks the digit span against simulated players whose span is known.");
    parser.addHelpOption();
    const QCommandLineOption program("program", "The game to run.", "path", PABREL_PROGRAM);
    const QCommandLineOption players("players", "Players in each condition.", "n", "200");
    const QCommandLineOption rounds("rounds", "Rounds in the migrated history.", "n", "100000");
    parser.addOptions({program, players, rounds});
    parser.process(application);
    measureWeeks(parser.value(program), parser.value(players).toInt());
    measureMigration(parser.value(rounds).toInt());
    return 0;
}

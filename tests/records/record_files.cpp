// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "record_files.h"

#include "round_columns.h"
#include "round_reader.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <cmath>
#include <gtest/gtest.h>

namespace pabrel::testing {

records::RoundRecord sampleRound(int n)
{
    records::RoundRecord round;
    round.startedAt =
        QDateTime(QDate(2026, 3, 1), QTime(9, 0), Qt::UTC).addMSecs(qint64{n} * 47'123);
    round.level = 1 + n % 8;
    round.shown = QStringLiteral("0123456789").left(round.level + 1);
    round.outcome = RoundOutcome(n % 3);
    round.typed =
        round.outcome == RoundOutcome::Correct ? round.shown : round.shown.left(n % 3) + "x";
    round.presentation = n % 4 == 3 ? records::Presentation::Spoken : records::Presentation::Shown;
    round.order = RecallOrders.at(std::size_t(n / 2 % RecallOrderCount));
    round.displayMs = round.level <= 2 ? 600 : 300;
    if (n % 5 != 0) {
        round.paintedMs = round.displayMs + 0.25 * (n % 7);
    }
    if (n % 5 != 1) {
        round.answerMs = 800 + n % 1000;
    }
    return round;
}

QStringList asRow(const records::RoundRecord& round)
{
    return {round.startedAt.toString(Qt::ISODateWithMs),
            QString::number(round.level),
            round.shown,
            round.typed,
            records::nameOf(round.outcome),
            QString::number(round.displayMs),
            round.paintedMs ? QString::number(*round.paintedMs, 'f', 2) : QString(),
            round.answerMs ? QString::number(*round.answerMs) : QString(),
            records::nameOf(round.presentation),
            records::nameOf(round.order)};
}

std::vector<records::RoundRecord> playedRounds(const QDateTime& from, std::string_view answers,
                                               int level, records::RoundKind kind)
{
    std::vector<records::RoundRecord> rounds(answers.size());
    for (std::size_t n = 0; n < answers.size(); ++n) {
        const bool right = answers[n] == '+';
        records::RoundRecord& round = rounds[n];
        round.startedAt = from.addSecs(20 * qint64(n));
        round.level = level;
        round.shown = QString(digitsAt(Int16(level)), QLatin1Char('5'));
        round.outcome = right               ? RoundOutcome::Correct
                        : answers[n] == 'g' ? RoundOutcome::GaveUp
                                            : RoundOutcome::Wrong;
        round.typed = right ? round.shown : QStringLiteral("5,\"x");
        round.displayMs = level <= 2 ? 600 : 300;
        round.presentation = kind.presentation;
        round.order = kind.order;
        level = levelAfter(Int16(level), right);
    }
    return rounds;
}

std::string SimulatedPlayer::sitting(int rounds, int& level, std::mt19937& random) const
{
    std::string answers;
    for (int n = 0; n < rounds; ++n) {
        const double chance = 1 / (1 + std::exp(slope * (digitsAt(Int16(level)) - span)));
        const bool right = std::generate_canonical<double, 32>(random) < chance;
        answers += right                                                       ? '+'
                   : std::generate_canonical<double, 32>(random) < giveUpShare ? 'g'
                                                                               : '-';
        level = levelAfter(Int16(level), right);
    }
    return answers;
}

std::vector<QStringList> rowsOf(const QString& file)
{
    records::RecordStore store(file);
    std::vector<QStringList> rows;
    if (!store.open(records::RecordStore::Opening::ExistingOnly)) {
        records::forEachRound(store, [&](const QStringList& fields) { rows.push_back(fields); });
    }
    return rows;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

QString querySql(const QString& file, const QString& statement)
{
    return querySql(file, QStringList{statement});
}

QString querySql(const QString& file, const QStringList& statements)
{
    const QString name = QStringLiteral("test-query");
    QString result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        db.open();
        QSqlQuery query(db);
        for (const QString& statement : statements) {
            result = query.exec(statement) && query.next() ? query.value(0).toString() : QString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

void openForWriting(records::RecordStore& store)
{
    const auto failure = store.open(records::RecordStore::Opening::CreateIfMissing);
    ASSERT_FALSE(failure) << failure->line(records::RecordError::Use::Reading).toStdString()
                          << failure->detail.toStdString();
}

} // namespace pabrel::testing

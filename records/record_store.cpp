// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "record_store.h"

#include "round_columns.h"
#include "transaction.h"

#include <QAtomicInteger>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>

#include <array>
#include <type_traits>

namespace pabrel::records {

namespace {
constexpr int LockedRetryPauseMs = 10;

// Each step brings the schema from its index to the next version; a later version only
// adds steps, so that a file of any earlier version keeps every row.
const std::array<QStringList, RecordStore::SchemaVersion> Migrations{{
    {QStringLiteral("CREATE TABLE rounds ("
                    " id INTEGER PRIMARY KEY,"
                    " started_at TEXT NOT NULL,"
                    " level INTEGER NOT NULL CHECK (level BETWEEN 1 AND 8),"
                    " shown TEXT NOT NULL,"
                    " typed TEXT NOT NULL,"
                    " outcome TEXT NOT NULL CHECK (outcome IN ('correct', 'wrong', 'gave-up')),"
                    " display_ms INTEGER NOT NULL,"
                    " painted_ms REAL,"
                    " answer_ms INTEGER)")},
    {QStringLiteral("ALTER TABLE rounds ADD COLUMN presentation TEXT NOT NULL DEFAULT 'shown'"
                    " CHECK (presentation IN ('shown', 'spoken'))")},
    {QStringLiteral("ALTER TABLE rounds ADD COLUMN answer_order TEXT NOT NULL DEFAULT 'forward'"
                    " CHECK (answer_order IN ('forward', 'backward', 'ascending'))")},
}};

// SQLite's primary result codes, which its extended codes carry in their low byte.
enum SqliteCode
{
    Perm = 3,
    Busy = 5,
    Locked = 6,
    ReadOnly = 8,
    IoErr = 10,
    Corrupt = 11,
    Full = 13,
    CantOpen = 14,
    NotADatabase = 26,
};

RecordError::Kind kindOf(const QSqlError& sqlError)
{
    bool isNumber = false;
    const int code = sqlError.nativeErrorCode().toInt(&isNumber) & 0xff;
    if (!isNumber) {
        return RecordError::Kind::NotRecords;
    }
    switch (code) {
    case Busy:
    case Locked:
        return RecordError::Kind::Locked;
    case Perm:
    case ReadOnly:
    case IoErr:
    case Full:
    case CantOpen:
        return RecordError::Kind::NotWritable;
    default:
        return RecordError::Kind::NotRecords;
    }
}

QString nextConnectionName()
{
    static QAtomicInteger<int> made;
    return QStringLiteral("pabrel-records-%1").arg(made.fetchAndAddRelaxed(1));
}

// Only the folder that Pabrel makes is made private: its parents are the user's own.
bool makePrivateFolder(const QString& path)
{
    QDir folder(path);
    if (folder.exists()) {
        return true;
    }
    return QDir().mkpath(path) &&
           QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QVariant optionalValue(const auto& value)
{
    using Value = typename std::remove_cvref_t<decltype(value)>::value_type;
    return value ? QVariant::fromValue(*value) : QVariant(QMetaType::fromType<Value>());
}

// Each value is bound to its column's name, as in `:level`.
QString insertStatement()
{
    QStringList names;
    for (const RoundColumn& column : RoundColumns) {
        names.append(QLatin1String(column.name));
    }
    return QStringLiteral("INSERT INTO rounds (%1) VALUES (:%2)")
        .arg(names.join(QLatin1Char(',')), names.join(QStringLiteral(",:")));
}

// Counts the rounds with an outcome, a presentation or an order that no Pabrel writes.
QString strangeNamesStatement(int schemaVersion)
{
    return QStringLiteral(
               "SELECT count(*) FROM rounds WHERE %1 IS NULL OR %2 IS NULL OR %3 IS NULL")
        .arg(valueNumber(OutcomeColumn, schemaVersion, Outcomes),
             valueNumber(PresentationColumn, schemaVersion, Presentations),
             valueNumber(AnswerOrderColumn, schemaVersion, RecallOrders));
}
} // namespace

RecordStore::RecordStore(QString file, int busyTimeoutMs)
    : file_(std::move(file)), connection_(nextConnectionName()), busyTimeoutMs_(busyTimeoutMs)
{
}

RecordStore::~RecordStore()
{
    closeConnection();
}

void RecordStore::closeConnection()
{
    if (QSqlDatabase::contains(connection_)) {
        database().close();
        QSqlDatabase::removeDatabase(connection_);
    }
}

// Setting a file up takes locks that SQLite refuses at once rather than wait for the busy
// timeout, as when a new file turns to the write-ahead log while another window reads it:
// such a refusal is tried again until the busy timeout has passed.
std::optional<RecordError> RecordStore::open(Opening opening)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        std::optional<RecordError> failure = openOnce(opening);
        if (!failure || failure->kind != RecordError::Kind::Locked ||
            waited.elapsed() >= busyTimeoutMs_) {
            return failure;
        }
        closeConnection();
        QThread::msleep(LockedRetryPauseMs);
    }
}

std::optional<RecordError> RecordStore::openOnce(Opening opening)
{
    if (auto failure = openConnection(opening)) {
        return failure;
    }
    int version = 0;
    if (auto failure = checkSchema(version, opening == Opening::CreateIfMissing)) {
        return failure;
    }
    QSqlQuery query(database());
    // Every commit reaches the disk before the call returns; the write-ahead log keeps
    // the file whole whenever the program or the machine stops.
    for (const char* setting : {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = FULL"}) {
        if (auto failure = run(query, QString::fromLatin1(setting))) {
            return failure;
        }
    }
    // A reader takes an earlier schema as it is: only the game writes the file.
    version_ = version;
    if (opening == Opening::ExistingOnly && version > 0) {
        return checkNames(version);
    }
    return migrateFrom(version_);
}

std::optional<RecordError> RecordStore::openConnection(Opening opening)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        return error(RecordError::Kind::NoDriver);
    }
    const QFileInfo info(file_);
    if (!info.exists()) {
        if (opening == Opening::ExistingOnly) {
            return error(RecordError::Kind::Missing);
        }
        if (!makePrivateFolder(info.absolutePath())) {
            return error(RecordError::Kind::NotWritable,
                         QStringLiteral("cannot make %1").arg(info.absolutePath()));
        }
    } else if (!info.isFile()) {
        return error(RecordError::Kind::NotRecords, QStringLiteral("not a regular file"));
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(file_);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs_));
    if (!db.open()) {
        return error(db.lastError());
    }
    return std::nullopt;
}

// The first read of the file: anything that is not an SQLite database fails here, before
// anything is written to it. The version and the tables are read in one statement, so that
// a window making the file at the same moment is seen before or after, never half way.
std::optional<RecordError> RecordStore::checkSchema(int& version, bool readEveryPage)
{
    QSqlQuery query(database());
    if (auto failure =
            run(query, QStringLiteral("SELECT (SELECT user_version FROM pragma_user_version),"
                                      " (SELECT count(*) FROM sqlite_schema)"))) {
        return failure;
    }
    query.next();
    version = query.value(0).toInt();
    const int tables = query.value(1).toInt();
    if (version > SchemaVersion) {
        return error(RecordError::Kind::Newer,
                     QStringLiteral("schema version %1, this program knows up to %2")
                         .arg(version)
                         .arg(SchemaVersion));
    }
    if (version == 0) {
        // A database without a version but with tables belongs to some other program.
        if (tables != 0) {
            return error(RecordError::Kind::NotRecords, QStringLiteral("another database"));
        }
        return std::nullopt;
    }
    // Before writing, every page is read, which finds a damaged or truncated file; a
    // reader finds it where its queries fail.
    if (!readEveryPage) {
        return std::nullopt;
    }
    if (auto failure = run(query, QStringLiteral("PRAGMA quick_check"))) {
        return failure;
    }
    query.next();
    if (query.value(0).toString() != QLatin1String("ok")) {
        return error(RecordError::Kind::NotRecords, query.value(0).toString());
    }
    return std::nullopt;
}

// The writer's check of every page finds a value that breaks the table's constraints; a
// reader, which does not make it, looks at the values that it turns into the game's
// outcomes and kinds, so that it never counts a round as something it was not.
std::optional<RecordError> RecordStore::checkNames(int version)
{
    QSqlQuery query(database());
    if (auto failure = run(query, strangeNamesStatement(version))) {
        return failure;
    }
    query.next();
    if (const int strange = query.value(0).toInt(); strange > 0) {
        return error(RecordError::Kind::NotRecords,
                     QStringLiteral("%1 rounds of an unknown kind").arg(strange));
    }
    return std::nullopt;
}

std::optional<RecordError> RecordStore::migrateFrom(int& version)
{
    while (version < SchemaVersion) {
        if (auto failure = migrateOneStep(version)) {
            return failure;
        }
    }
    if (version > SchemaVersion) {
        return error(RecordError::Kind::Newer);
    }
    return std::nullopt;
}

// Another window may be migrating the same file: the immediate transaction waits for it,
// and the version read inside tells whether this step is still due.
std::optional<RecordError> RecordStore::migrateOneStep(int& version)
{
    Transaction transaction(database(), Transaction::Lock::Immediate);
    if (!transaction.isActive()) {
        return error(transaction.error());
    }
    QSqlQuery query(database());
    if (auto failure = run(query, QStringLiteral("PRAGMA user_version"))) {
        return failure;
    }
    query.next();
    version = query.value(0).toInt();
    if (version >= SchemaVersion) {
        return std::nullopt;
    }
    QStringList statements = Migrations.at(static_cast<std::size_t>(version));
    statements.append(QStringLiteral("PRAGMA user_version = %1").arg(version + 1));
    for (const QString& statement : statements) {
        if (auto failure = run(query, statement)) {
            return failure;
        }
    }
    if (!transaction.commit()) {
        return error(transaction.error());
    }
    ++version;
    return std::nullopt;
}

std::optional<RecordError> RecordStore::add(const RoundRecord& round)
{
    Transaction transaction(database());
    if (!transaction.isActive()) {
        return error(transaction.error());
    }
    static const QString insert = insertStatement();
    QSqlQuery query(database());
    query.prepare(insert);
    query.bindValue(QStringLiteral(":started_at"),
                    round.startedAt.toUTC().toString(Qt::ISODateWithMs));
    query.bindValue(QStringLiteral(":level"), round.level);
    query.bindValue(QStringLiteral(":shown"), round.shown);
    // Nothing typed is an empty answer, not a missing one.
    query.bindValue(QStringLiteral(":typed"),
                    round.typed.isNull() ? QStringLiteral("") : round.typed);
    query.bindValue(QStringLiteral(":outcome"), QString(nameOf(round.outcome)));
    query.bindValue(QStringLiteral(":display_ms"), round.displayMs);
    query.bindValue(QStringLiteral(":painted_ms"), optionalValue(round.paintedMs));
    query.bindValue(QStringLiteral(":answer_ms"), optionalValue(round.answerMs));
    query.bindValue(QStringLiteral(":presentation"), QString(nameOf(round.presentation)));
    query.bindValue(QStringLiteral(":answer_order"), QString(nameOf(round.order)));
    if (auto failure = run(query)) {
        return failure;
    }
    if (!transaction.commit()) {
        return error(transaction.error());
    }
    return std::nullopt;
}

std::optional<RecordError> RecordStore::eraseAll()
{
    QSqlQuery query(database());
    for (const char* statement :
         {"PRAGMA secure_delete = ON", "DELETE FROM rounds", "PRAGMA wal_checkpoint(TRUNCATE)"}) {
        if (auto failure = run(query, QString::fromLatin1(statement))) {
            return failure;
        }
    }
    return std::nullopt;
}

QSqlDatabase RecordStore::database() const
{
    return QSqlDatabase::database(connection_, false);
}

std::optional<RecordError> RecordStore::run(QSqlQuery& query, const QString& statement) const
{
    const bool ran = statement.isEmpty() ? query.exec() : query.exec(statement);
    if (!ran) {
        return error(query.lastError());
    }
    return std::nullopt;
}

RecordError RecordStore::error(const QSqlError& sqlError) const
{
    return error(kindOf(sqlError), sqlError.text());
}

RecordError RecordStore::error(RecordError::Kind kind, const QString& detail) const
{
    return {kind, file_, detail};
}

} // namespace pabrel::records

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The records options of the real program, with no display at all.

#include "csv_export.h"
#include "record_files.h"
#include "record_store.h"

#include <QBuffer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using pabrel::records::RecordStore;

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void exportsEveryRoundWithoutADisplay();
    void failsClearlyWithAnExitStatus();
    void summarisesTheRecords();

private:
    struct Run
    {
        int status;
        QByteArray out;
        QString err;
    };
    Run run(const QStringList& arguments, const QProcessEnvironment& environment,
            const QString& program = QStringLiteral(PABREL_EXECUTABLE)) const;
    QProcessEnvironment headless(bool withDataHome = true) const;

    std::unique_ptr<QTemporaryDir> home_;
    QString file_;
};

void CommandLineTest::init()
{
    home_ = std::make_unique<QTemporaryDir>();
    file_ = home_->filePath(QStringLiteral("data/pabrel/records.sqlite3"));
}

CommandLineTest::Run CommandLineTest::run(const QStringList& arguments,
                                          const QProcessEnvironment& environment,
                                          const QString& program) const
{
    QProcess pabrel;
    pabrel.setProcessEnvironment(environment);
    pabrel.setWorkingDirectory(home_->path());
    pabrel.start(program, arguments);
    pabrel.waitForFinished(30'000);
    return {pabrel.exitStatus() == QProcess::NormalExit ? pabrel.exitCode() : -1,
            pabrel.readAllStandardOutput(), QString::fromUtf8(pabrel.readAllStandardError())};
}

QProcessEnvironment CommandLineTest::headless(bool withDataHome) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_DATA_HOME"}) {
        environment.remove(QLatin1String(name));
    }
    // Where --lang remembers its language.
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       home_->filePath(QStringLiteral("config")));
    if (withDataHome) {
        environment.insert(QStringLiteral("XDG_DATA_HOME"),
                           home_->filePath(QStringLiteral("data")));
    } else {
        environment.insert(QStringLiteral("HOME"), home_->path());
    }
    return environment;
}

void CommandLineTest::exportsEveryRoundWithoutADisplay()
{
    const QString underHome =
        home_->filePath(QStringLiteral(".local/share/pabrel/records.sqlite3"));
    QByteArray expected;
    for (const QString& file : {file_, underHome}) {
        RecordStore store(file);
        QVERIFY(!store.open(RecordStore::Opening::CreateIfMissing));
        pabrel::records::RoundRecord round;
        round.startedAt = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5, 6), Qt::UTC);
        round.level = 2;
        round.shown = QStringLiteral("123");
        round.typed = QStringLiteral("1\"2,ア");
        round.outcome = pabrel::RoundOutcome::Wrong;
        round.displayMs = 600;
        QVERIFY(!store.add(round));
        QBuffer csv(&expected);
        csv.open(QIODevice::WriteOnly);
        expected.clear();
        QVERIFY(!pabrel::records::writeCsv(store, csv));
    }
    QVERIFY(expected.contains("\"1\"\"2,ア\""));

    const Run toOutput = run({QStringLiteral("--export-csv"), QStringLiteral("-")}, headless());
    QCOMPARE(toOutput.status, 0);
    QCOMPARE(toOutput.out, expected);
    const Run fromHome =
        run({QStringLiteral("--export-csv"), QStringLiteral("-")}, headless(false));
    QCOMPARE(fromHome.out, expected);

    // A copy of the program taken anywhere keeps all it needs.
    const QString alone = home_->filePath(QStringLiteral("alone/pabrel"));
    QVERIFY(QDir().mkpath(QFileInfo(alone).absolutePath()));
    QVERIFY(QFile::copy(QStringLiteral(PABREL_EXECUTABLE), alone));
    const Run toFile =
        run({QStringLiteral("--export-csv"), QStringLiteral("out.csv")}, headless(), alone);
    QCOMPARE(toFile.status, 0);
    QFile written(home_->filePath(QStringLiteral("out.csv")));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), expected);
}

void CommandLineTest::failsClearlyWithAnExitStatus()
{
    QDir().mkpath(QFileInfo(file_).absolutePath());
    const struct
    {
        const char* what;
        QStringList arguments;
        QByteArray recordsFile;
        int status;
        QString says;
    } cases[] = {
        {"no records yet", {"--export-csv", "-"}, {}, 1, file_},
        {"not a records file", {"--export-csv", "-"}, "hello\n", 1, file_},
        {"told in English",
         {"--lang", "en", "--export-csv", "-"},
         "hello\n",
         1,
         "is not a Pabrel records file."},
        {"an order to export", {"--order", "backward", "--export-csv", "-"}, {}, 1, file_},
        {"nowhere to write", {"--export-csv", "no/such/folder/out.csv"}, {}, 1, "out.csv"},
        {"unknown option", {"--recods"}, {}, 2, "recods"},
        {"no file named", {"--export-csv"}, {}, 2, "export-csv"},
        {"two at once", {"--records", "--no-records"}, {}, 2, "--no-records"},
        {"no records to sum up", {"--summary"}, {}, 1, file_},
        {"no rounds to sum up", {"--summary"}, {}, 1, "まだ記録がありません"},
        {"summary and export", {"--summary", "--export-csv", "-"}, {}, 2, "--summary"},
    };
    for (const auto& c : cases) {
        QFile::remove(file_);
        if (!c.recordsFile.isEmpty()) {
            QFile file(file_);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(c.recordsFile);
        } else if (QByteArray(c.what) == "nowhere to write" ||
                   QByteArray(c.what) == "no rounds to sum up") {
            RecordStore store(file_);
            QVERIFY(!store.open(RecordStore::Opening::CreateIfMissing));
        }
        const Run result = run(c.arguments, headless());
        QVERIFY2(result.status == c.status, c.what);
        QVERIFY2(result.err.contains(c.says), qPrintable(result.err));
        if (c.status == 1) {
            QCOMPARE(result.err.count(QLatin1Char('\n')), 1);
        }
        QVERIFY(result.out.isEmpty());
        if (!c.recordsFile.isEmpty()) {
            QFile file(file_);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), c.recordsFile);
        }
    }
    // --lang and --order given to commands that open no game window are not remembered.
    QVERIFY(!QDir(home_->filePath(QStringLiteral("config"))).exists());
}

// Flashed sittings eight days ago and an hour ago that swing about 6.5 and 4.5 digits, then
// rounds read aloud, all right at the top level.
void CommandLineTest::summarisesTheRecords()
{
    using pabrel::records::Presentation;
    using pabrel::records::RoundKind;
    const RoundKind spoken{pabrel::RecallOrder::Forward, Presentation::Spoken};
    const RoundKind backward{pabrel::RecallOrder::Backward, Presentation::Shown};
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const struct
    {
        qint64 secondsAgo;
        int level;
        const char* answers;
        RoundKind kind;
        const char* begins;
    } sittings[] = {
        {8 * 86400, 1, "+++++-+-+-+", {}, nullptr},
        {3600,
         1,
         "+++-+-+-+",
         {},
         "rounds: 20\ncorrect: 70.0%\nbest level: 6\n"
         "span now: 4.6 digits (±0.5)\nspan a week before: 6.6 digits (±0.5)\n\n"
         "level  rounds  correct\n    1       2   100.0%\n"},
        {900, 8, "++++++++++++", spoken, nullptr},
        {600, 1, "++-+-+-+-+-+-+-+-+-+", backward,
         "rounds: 52\ncorrect: 71.2%\nbest level: 8\n"
         "span now: 4.6 digits (±0.5)\nspan a week before: 6.6 digits (±0.5)\n"
         "listening span now: 9 digits or more\n"
         "listening span a week before: not enough rounds in the 7 days before (0 rounds)\n"
         "backward span now: 3.5 digits (±0.2)\n"
         "backward span a week before: not enough rounds in the 7 days before (0 rounds)\n\n"},
    };
    RecordStore store(file_);
    QVERIFY(!store.open(RecordStore::Opening::CreateIfMissing));
    for (const auto& sitting : sittings) {
        for (const auto& round : pabrel::testing::playedRounds(
                 now.addSecs(-sitting.secondsAgo), sitting.answers, sitting.level, sitting.kind)) {
            QVERIFY(!store.add(round));
        }
        if (sitting.begins != nullptr) {
            const Run summary = run({QStringLiteral("--summary")}, headless());
            QCOMPARE(summary.status, 0);
            QVERIFY2(summary.out.startsWith(sitting.begins), summary.out.constData());
        }
    }
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"

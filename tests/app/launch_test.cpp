// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line, read on its own and through the real program started with no display
// at all: asking for help or the version, or mistyping, never needs a window.

#include "command_line.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using pabrel::app::CommandLine;
using pabrel::app::LaunchRequest;
using Action = LaunchRequest::Action;

class LaunchTest : public QObject
{
    Q_OBJECT

private slots:
    void readsWhatIsAsked_data();
    void readsWhatIsAsked();
    void theProgramAnswersWithoutADisplay_data();
    void theProgramAnswersWithoutADisplay();
};

void LaunchTest::readsWhatIsAsked_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("errorNames");

    const QString none;
    QTest::newRow("nothing") << QStringList{} << Action::Play << none;
    QTest::newRow("--help") << QStringList{"--help"} << Action::ShowHelp << none;
    QTest::newRow("-h") << QStringList{"-h"} << Action::ShowHelp << none;
    QTest::newRow("--version") << QStringList{"--version"} << Action::ShowVersion << none;
    QTest::newRow("-v") << QStringList{"-v"} << Action::ShowVersion << none;
    QTest::newRow("Qt's own options pass")
        << QStringList{"-platform", "offscreen", "-reverse"} << Action::Play << none;
    QTest::newRow("unknown option") << QStringList{"--sound"} << Action::Refuse << "sound";
    QTest::newRow("unknown beside help") << QStringList{"--help", "--x"} << Action::Refuse << "x";
    QTest::newRow("stray argument") << QStringList{"level3"} << Action::Refuse << "level3";
    QTest::newRow("value for a flag") << QStringList{"--version=2"} << Action::Refuse << "version";
    QTest::newRow("a language") << QStringList{"--lang", "en"} << Action::Play << none;
    QTest::newRow("no such language") << QStringList{"--lang=fr"} << Action::Refuse << "'fr'";
    QTest::newRow("an order") << QStringList{"--order", "ascending"} << Action::Play << none;
}

void LaunchTest::readsWhatIsAsked()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QString, errorNames);

    CommandLine commandLine;
    const LaunchRequest request = commandLine.parse(QStringList{"pabrel"} + arguments);
    QCOMPARE(request.action, action);
    QCOMPARE(request.error.isEmpty(), errorNames.isEmpty());
    QVERIFY2(request.error.contains(errorNames), qPrintable(request.error));
}

void LaunchTest::theProgramAnswersWithoutADisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("output");
    QTest::addColumn<QStringList>("errors");

    QTest::newRow("help")
        << QStringList{"--help"} << 0
        << QStringList{"Usage: pabrel [options]", "a memory game",     "--version",
                       "--export-csv <file>",     "--lang <language>", "--order <order>"}
        << QStringList{};
    QTest::newRow("help in Japanese")
        << QStringList{"--lang", "ja", "--help"} << 0
        << QStringList{"pabrel [オプション]", "記憶ゲーム", "このヘルプを表示して終了します。"}
        << QStringList{};
    QTest::newRow("version") << QStringList{"--version"} << 0
                             << QStringList{"pabrel " PABREL_VERSION "\n"} << QStringList{};
    QTest::newRow("unknown option")
        << QStringList{"--fullscreen"} << 2 << QStringList{}
        << QStringList{"pabrel: Unknown option 'fullscreen'", "Try 'pabrel --help'"};
    QTest::newRow("stray argument")
        << QStringList{"9"} << 2 << QStringList{} << QStringList{"pabrel: unexpected argument '9'"};
    QTest::newRow("unknown language")
        << QStringList{"--lang", "de"} << 2 << QStringList{}
        << QStringList{"pabrel: unknown language 'de' for --lang (ja or en)"};
    QTest::newRow("unknown order")
        << QStringList{"--order=reverse"} << 2 << QStringList{}
        << QStringList{"pabrel: unknown order 'reverse' for --order (forward, backward or "
                       "ascending)"};
}

void LaunchTest::theProgramAnswersWithoutADisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, output);
    QFETCH(QStringList, errors);

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
        environment.remove(QLatin1String(variable));
    }
    // An English desktop, and no language chosen before.
    environment.insert(QStringLiteral("LANG"), QStringLiteral("en_GB.UTF-8"));
    const QTemporaryDir config;
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(PABREL_EXECUTABLE), arguments);
    QVERIFY(program.waitForFinished(30000));

    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    const QString printed = QString::fromUtf8(program.readAllStandardOutput());
    const QString complained = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(printed.isEmpty(), output.isEmpty());
    QCOMPARE(complained.isEmpty(), errors.isEmpty());
    for (const QString& text : output) {
        QVERIFY2(printed.contains(text), qPrintable(printed));
    }
    for (const QString& text : errors) {
        QVERIFY2(complained.contains(text), qPrintable(complained));
    }
}

QTEST_GUILESS_MAIN(LaunchTest)
#include "launch_test.moc"

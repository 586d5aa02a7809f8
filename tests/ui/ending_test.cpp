// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How the program ends: through the farewell box, through the window's frame, and, with
// no display at all, before it begins.

#include "form1.h"
#include "form_probe.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

using pabrel::testing::FormProbe;
using pabrel::ui::Form1;

namespace {
struct FarewellSeen
{
    bool shown = false;
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::Information;
    qsizetype buttons = 0;
};

// Clicks the end button and, once the farewell box is open, notes what it shows, runs
// `whileOpen` and presses OK.
FarewellSeen sayFarewell(FormProbe& probe, const std::function<void()>& whileOpen)
{
    FarewellSeen seen;
    QTimer::singleShot(0, &probe.form(), [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            return;
        }
        seen = {true, box->text(), box->windowTitle(), box->icon(), box->buttons().size()};
        whileOpen();
        box->button(QMessageBox::Ok)->click();
    });
    QTest::mouseClick(probe.endButton(), Qt::LeftButton);
    return seen;
}
} // namespace

class EndingTest : public QObject
{
    Q_OBJECT

private slots:
    void theFarewellBoxHoldsTimerTicksAndOkEndsTheProgram();
    void theFarewellBoxTurnsAwayClicksAndKeys();
    void closingByTheFrameEndsWithoutAFarewell();
    void withoutADisplayTheProgramSaysWhatItTriedAndFails_data();
    void withoutADisplayTheProgramSaysWhatItTriedAndFails();
};

void EndingTest::theFarewellBoxHoldsTimerTicksAndOkEndsTheProgram()
{
    FormProbe probe;
    Form1& form = probe.form();
    QSignalSpy unloaded(&form, &Form1::unloaded);
    QVERIFY(probe.showActive());
    QTest::mouseClick(probe.startButton(), Qt::LeftButton);

    // The countdown's first tick falls due while the box is open and must wait.
    QString labelWhileOpen;
    const FarewellSeen seen = sayFarewell(probe, [&] {
        probe.advance(1300);
        labelWhileOpen = probe.label()->text();
    });

    QVERIFY(seen.shown);
    QCOMPARE(seen.text, QStringLiteral("またの挑戦ををお待ちしております。"));
    QCOMPARE(seen.title, QStringLiteral("Pabrel"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, 1);
    QCOMPARE(labelWhileOpen, QStringLiteral("3"));

    // OK unloads the window, and the waiting tick never comes.
    QCOMPARE(unloaded.size(), 1);
    QVERIFY(!form.isVisible());
    QVERIFY(!probe.timers().anyActive());
    probe.advance(3000);
    QCOMPARE(probe.label()->text(), QStringLiteral("3"));
}

void EndingTest::theFarewellBoxTurnsAwayClicksAndKeys()
{
    FormProbe probe;
    Form1& form = probe.form();
    QSignalSpy unloaded(&form, &Form1::unloaded);
    QVERIFY(probe.showActive());
    QVERIFY(probe.playToAnswering());

    // Straight to the controls, past the box's own modality: a click would give the round
    // up, and a key would be written into box 0.
    QString labelWhileOpen;
    QString box0WhileOpen;
    const FarewellSeen seen = sayFarewell(probe, [&] {
        QTest::mouseClick(probe.startButton(), Qt::LeftButton);
        QTest::keyClicks(probe.box(1), QStringLiteral("7"));
        labelWhileOpen = probe.label()->text();
        box0WhileOpen = probe.box(0)->text();
    });

    QVERIFY(seen.shown);
    QCOMPARE(labelWhileOpen, QStringLiteral("GO"));
    QCOMPARE(box0WhileOpen, QStringLiteral(" "));
    QCOMPARE(unloaded.size(), 1);
    QVERIFY(!form.isVisible());
}

void EndingTest::closingByTheFrameEndsWithoutAFarewell()
{
    FormProbe probe;
    Form1& form = probe.form();
    QSignalSpy unloaded(&form, &Form1::unloaded);
    QVERIFY(probe.showActive());
    QTest::mouseClick(probe.startButton(), Qt::LeftButton);

    // Should a box come up, it is noted and closed so that the test goes on.
    bool boxShown = false;
    QTimer::singleShot(0, &form, [&boxShown] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            boxShown = true;
            box->close();
        }
    });
    // The same way in as the window manager's close button.
    QVERIFY(form.windowHandle()->close());

    QCOMPARE(unloaded.size(), 1);
    QVERIFY(!form.isVisible());
    QVERIFY(!probe.timers().anyActive());
    QVERIFY(!boxShown);
    QCOMPARE(probe.label()->text(), QStringLiteral("3"));
}

void EndingTest::withoutADisplayTheProgramSaysWhatItTriedAndFails_data()
{
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QString>("unsaid");

    QTest::newRow("no display at all")
        << QStringList{}
        << QStringList{"DISPLAY is not set", "WAYLAND_DISPLAY is not set", "plugin xcb",
                       "Qt: ", "xvfb-run"}
        << "qt6-wayland";
    QTest::newRow("X server gone")
        << QStringList{"DISPLAY=:97"}
        << QStringList{"DISPLAY=:97", "could not connect to display :97", "XAUTHORITY"}
        << "WAYLAND_DISPLAY=";
    QTest::newRow("compositor gone")
        << QStringList{"WAYLAND_DISPLAY=pabrel-none", "QT_QPA_PLATFORM=wayland"}
        << QStringList{"WAYLAND_DISPLAY=pabrel-none", "plugin wayland (QT_QPA_PLATFORM=wayland)",
                       "compositor"}
        << "xvfb-run";
    QTest::newRow("Wayland asked of the X11 plugin")
        << QStringList{"WAYLAND_DISPLAY=pabrel-none", "QT_QPA_PLATFORM=xcb"}
        << QStringList{"plugin xcb", "a native window on this Wayland desktop"} << "xvfb-run";
    QTest::newRow("no such plugin")
        << QStringList{"QT_QPA_PLATFORM=nowhere"}
        << QStringList{"plugin nowhere", "Available platform plugins are:", "not installed"}
        << "Reinstalling";
}

void EndingTest::withoutADisplayTheProgramSaysWhatItTriedAndFails()
{
    QFETCH(QStringList, environment);
    QFETCH(QStringList, said);
    QFETCH(QString, unsaid);

    QProcess program;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char* variable :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"}) {
        variables.remove(QLatin1String(variable));
    }
    for (const QString& setting : environment) {
        variables.insert(setting.section(QLatin1Char('='), 0, 0),
                         setting.section(QLatin1Char('='), 1));
    }
    program.setProcessEnvironment(variables);
    program.start(QStringLiteral(PABREL_EXECUTABLE), {});
    QVERIFY(program.waitForFinished(30000));

    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    const QString report = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(report.contains(QLatin1String("cannot open its window")), qPrintable(report));
    for (const QString& text : said) {
        QVERIFY2(report.contains(text), qPrintable(text + QLatin1String(" in:\n") + report));
    }
    QVERIFY2(!report.contains(unsaid), qPrintable(report));
    QVERIFY(program.readAllStandardOutput().isEmpty());
}

QTEST_MAIN(EndingTest)
#include "ending_test.moc"

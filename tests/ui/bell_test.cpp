// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The result beep: the desktop's bell event sound where a sound device takes it, and the
// toolkit's beep where none does or the sound server does not answer. Each case runs in its
// own process, with the sound system configured for it by the test's environment.

#include "desktop_bell.h"
#include "form_probe.h"
#include "unix_listener.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdlib>

using pabrel::desktop::DesktopBell;
using pabrel::testing::FormProbe;

class BellTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void judgingRingsTheBell();
    void playsTheBellEventSoundOnTheDevice();
    void fallsBackToTheToolkitBeepWithoutADevice();
    void aSoundServerThatNeverAnswersHoldsNoRoundUp();

private:
    static QString recordingPath() { return QString::fromLocal8Bit(qgetenv("BELL_RECORDING")); }
};

void BellTest::init()
{
    if (!recordingPath().isEmpty()) {
        QFile::remove(recordingPath());
    }
}

void BellTest::judgingRingsTheBell()
{
    FormProbe probe;
    QVERIFY(probe.showActive());
    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    probe.advance(3000);
    QCOMPARE(probe.label()->text(), QStringLiteral("GO"));
    QCOMPARE(probe.rings(), 0);
    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    QCOMPARE(probe.label()->text(), QStringLiteral("残念！"));
    QCOMPARE(probe.rings(), 1);
}

void BellTest::playsTheBellEventSoundOnTheDevice()
{
    if (recordingPath().isEmpty()) {
        QSKIP("needs BELL_RECORDING and ALSA_CONFIG_PATH pointing at a file sink");
    }
    // However slowly the device opens, the event sound is what rings.
    DesktopBell bell(std::chrono::minutes(1));
    QSignalSpy rang(&bell, &DesktopBell::rang);
    bell.ring();
    QTRY_COMPARE(rang.count(), 1);
    QCOMPARE(rang.at(0).at(0).value<DesktopBell::Sound>(), DesktopBell::Sound::EventSound);

    // The bell is a short chime: a tenth of a second of 16-bit stereo at least, well above
    // silence.
    QFile recording(recordingPath());
    QTRY_VERIFY_WITH_TIMEOUT(recording.size() >= 4 * 4410, 5000);
    QVERIFY(recording.open(QIODevice::ReadOnly));
    const QByteArray pcm = recording.readAll();
    const auto* samples = reinterpret_cast<const qint16*>(pcm.constData());
    const auto [low, high] = std::minmax_element(samples, samples + pcm.size() / 2);
    QVERIFY2(*high - *low > 8000, qPrintable(QStringLiteral("peak to peak %1").arg(*high - *low)));
}

void BellTest::fallsBackToTheToolkitBeepWithoutADevice()
{
    if (!recordingPath().isEmpty()) {
        QSKIP("runs where ALSA has no device");
    }
    DesktopBell bell(std::chrono::minutes(1));
    QSignalSpy rang(&bell, &DesktopBell::rang);
    bell.ring();
    QTRY_COMPARE(rang.count(), 1);
    QCOMPARE(rang.at(0).at(0).value<DesktopBell::Sound>(), DesktopBell::Sound::ToolkitBeep);
}

// The sound server takes the connection and never answers: every result is shown and beeped
// at while the bell's first call to it is still waiting, and the next round plays.
void BellTest::aSoundServerThatNeverAnswersHoldsNoRoundUp()
{
    const QString server = qEnvironmentVariable("PULSE_SERVER");
    if (!server.startsWith(QLatin1String("unix:"))) {
        QSKIP("needs PULSE_SERVER=unix:NAME, the silent sound server's socket");
    }
    const QTemporaryDir folder; // short enough for a socket's path, unlike the build tree
    const QByteArray socket = QFile::encodeName(folder.filePath(server.mid(5)));
    qputenv("PULSE_SERVER", "unix:" + socket);
    const int silent = pabrel::testing::listenAt(socket, SOCK_NONBLOCK);
    QVERIFY(silent >= 0);
    DesktopBell bell;
    FormProbe probe;
    probe.bell().passOn = &bell;
    QSignalSpy rang(&bell, &DesktopBell::rang);
    QVERIFY(probe.showActive());
    for (int round = 1; round <= 3; ++round) {
        QVERIFY(probe.playToAnswering());
        probe.type(probe.flashedDigits());
        QCOMPARE(probe.label()->text(), QStringLiteral("正解！"));
        QTRY_COMPARE(rang.count(), round);
        QCOMPARE(rang.last().at(0).value<DesktopBell::Sound>(), DesktopBell::Sound::ToolkitBeep);
        probe.advance(1500);
    }
    const int caller = accept(silent, nullptr, nullptr);
    QVERIFY2(caller >= 0, "the bell never called the sound server (is libcanberra-pulse there?)");
    close(caller);
    close(silent);
}

QTEST_MAIN(BellTest)
#include "bell_test.moc"

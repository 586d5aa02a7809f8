// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A round in the listening mode with the real speech service: the digits are really said,
// and the answer is taken once they have been.

#include "form_probe.h"
#include "listening_mode.h"
#include "speech_dispatcher_client.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>

using pabrel::testing::FormProbe;

class SpokenRoundTest : public QObject
{
    Q_OBJECT

private slots:
    void theDigitsAreReallySaidAndThenAnswered();
};

void SpokenRoundTest::theDigitsAreReallySaidAndThenAnswered()
{
    FormProbe probe;
    QVERIFY(probe.showActive());
    pabrel::ui::ListeningMode* mode = probe.form().listeningMode();
    mode->setSpeechFactory(
        [] { return std::make_unique<pabrel::desktop::SpeechDispatcherClient>(); });
    QVERIFY(mode->setOn(true));
    QSignalSpy done(mode, &pabrel::ui::ListeningMode::readingDone);
    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    probe.advance(3000);
    QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, 20000);
    QCOMPARE(done.constFirst().constFirst().toBool(), true);

    // The service writes 16-bit mono sound at 22,050 Hz. Two digits are two short words:
    // well over a tenth of a second of sound, well under three seconds, and not silence.
    QFile file(QDir(qEnvironmentVariable("SPOKEN_RECORDING_DIR"))
                   .filePath(QStringLiteral("speech-22050-1-16.raw")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray sound = file.readAll();
    const double seconds = static_cast<double>(sound.size()) / (2 * 22050);
    int loudest = 0;
    for (qsizetype i = 0; i + 1 < sound.size(); i += 2) {
        loudest = std::max(loudest, std::abs(int(qFromLittleEndian<qint16>(sound.data() + i))));
    }
    qInfo("recorded %.2f s of speech, loudest sample %d", seconds, loudest);
    QVERIFY(seconds > 0.2 && seconds < 3.0);
    QVERIFY(loudest > 1000);

    probe.type(QStringLiteral("xx"));
    QCOMPARE(probe.label()->text(), QStringLiteral("残念！"));
}

QTEST_MAIN(SpokenRoundTest)
#include "spoken_round_test.moc"

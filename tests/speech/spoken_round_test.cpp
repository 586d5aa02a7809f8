// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A round in the listening mode with the real speech service: the digits are really said,
// and the answer is taken once they have been.

#include "form1.h"
#include "form_probe.h"
#include "listening_mode.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <cstdint>
#include <cstdlib>

using pabrel::testing::FormProbe;
using pabrel::ui::Form1;
using pabrel::ui::ListeningMode;

namespace {
struct Recording
{
    double seconds = 0;
    int loudest = 0;
};

// The sound file the speech service wrote, named speech-<rate>-<channels>-<bits>.raw.
Recording recorded()
{
    const QDir folder(qEnvironmentVariable("SPOKEN_RECORDING_DIR"));
    const QStringList files = folder.entryList({QStringLiteral("speech-*.raw")});
    if (files.size() != 1) {
        return {};
    }
    const QRegularExpressionMatch format =
        QRegularExpression(QStringLiteral("speech-(\\d+)-(\\d+)-16\\.raw")).match(files[0]);
    QFile file(folder.filePath(files[0]));
    if (!format.hasMatch() || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray sound = file.readAll();
    const int frameBytes = 2 * format.captured(2).toInt();
    Recording recording;
    recording.seconds =
        static_cast<double>(sound.size()) / (frameBytes * format.captured(1).toDouble());
    for (qsizetype i = 0; i + 1 < sound.size(); i += 2) {
        const auto sample = static_cast<std::int16_t>(
            static_cast<std::uint8_t>(sound[i]) | (static_cast<std::uint8_t>(sound[i + 1]) << 8));
        recording.loudest = std::max(recording.loudest, std::abs(static_cast<int>(sample)));
    }
    return recording;
}
} // namespace

class SpokenRoundTest : public QObject
{
    Q_OBJECT

private slots:
    void theDigitsAreReallySaidAndThenAnswered();
};

void SpokenRoundTest::theDigitsAreReallySaidAndThenAnswered()
{
    Form1 form;
    FormProbe probe(form);
    QVERIFY(probe.showActive());
    QVERIFY(form.listeningMode()->setOn(true));

    QSignalSpy done(form.listeningMode(), &ListeningMode::readingDone);
    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(probe.label()->text(), QStringLiteral("GO"), 4000);
    QElapsedTimer reading;
    reading.start();
    QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, 15000);
    QCOMPARE(done.constFirst().constFirst().toBool(), true);
    qInfo("two digits read in %lld ms", static_cast<long long>(reading.elapsed()));

    // Two short words: well over a tenth of a second of sound, well under three seconds,
    // and not silence.
    const Recording sound = recorded();
    qInfo("recorded %.2f s of speech, loudest sample %d", sound.seconds, sound.loudest);
    QVERIFY(sound.seconds > 0.2);
    QVERIFY(sound.seconds < 3.0);
    QVERIFY(sound.loudest > 1000);

    probe.type(QStringLiteral("xx"));
    QCOMPARE(probe.label()->text(), QStringLiteral("残念！"));
}

QTEST_MAIN(SpokenRoundTest)
#include "spoken_round_test.moc"

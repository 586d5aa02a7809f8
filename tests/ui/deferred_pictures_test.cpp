// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures the first frame does not show arrive once it has been painted: each as
// committed, a card already on show replaced at once, and a failure told, not thrown.

#include "built_in_pictures.h"
#include "deferred_pictures.h"
#include "form1.h"
#include "form_probe.h"
#include "image_holder.h"
#include "picture_box.h"
#include "shown_pictures.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <stdexcept>

using pabrel::testing::committedPicture;
using pabrel::testing::FormProbe;
using pabrel::testing::pictureBoxMismatch;
using pabrel::ui::DeferredPictures;
using pabrel::ui::Form1;
using pabrel::ui::LaterPictures;

class DeferredPicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void theRestArrivesAfterTheFirstFrame();
    void aCardOnShowIsReplacedWhenItArrives();
    void aFailureIsToldAndLeavesTheWindowAsItWas();
};

void DeferredPicturesTest::theRestArrivesAfterTheFirstFrame()
{
    FormProbe probe(pabrel::ui::firstFramePictures());
    Form1& form = probe.form();
    const auto* later = new DeferredPictures(form, [] { return pabrel::ui::laterPictures(); });
    QSignalSpy taken(later, &DeferredPictures::taken);
    QVERIFY(probe.holder(QStringLiteral("ImgLevel(1)"))->picture().isNull());
    QVERIFY(form.windowIcon().isNull());

    form.show();
    QVERIFY(taken.wait());
    QCOMPARE(pictureBoxMismatch(probe.pictureBox(), QStringLiteral("rules.bmp")), QString());
    QVERIFY(!form.windowIcon().isNull());
    for (int level = 1; level <= 8; ++level) {
        const QImage card = probe.holder(QStringLiteral("ImgLevel(%1)").arg(level))->picture();
        QCOMPARE(card.convertToFormat(QImage::Format_RGB32),
                 committedPicture(QStringLiteral("level%1.bmp").arg(level)));
    }
}

// Nothing in the game can click before the first frame; should a start come first all
// the same, its card shows as soon as it is there.
void DeferredPicturesTest::aCardOnShowIsReplacedWhenItArrives()
{
    FormProbe probe(pabrel::ui::firstFramePictures());
    Form1& form = probe.form();
    const auto* later = new DeferredPictures(form, [&probe] {
        probe.startButton()->click();
        return pabrel::ui::laterPictures();
    });
    QSignalSpy taken(later, &DeferredPictures::taken);
    form.show();
    QVERIFY(taken.wait());
    QCOMPARE(pictureBoxMismatch(probe.pictureBox(), QStringLiteral("level1.bmp")), QString());
}

void DeferredPicturesTest::aFailureIsToldAndLeavesTheWindowAsItWas()
{
    FormProbe probe(pabrel::ui::firstFramePictures());
    Form1& form = probe.form();
    const auto* later = new DeferredPictures(form, []() -> LaterPictures {
        throw std::runtime_error("the built-in picture :/pictures/level5.bmp cannot be decoded");
    });
    QSignalSpy failed(later, &DeferredPictures::failed);
    form.show();
    QVERIFY(failed.wait());
    QCOMPARE(failed.at(0).at(0).toString(),
             QStringLiteral("the built-in picture :/pictures/level5.bmp cannot be decoded"));
    QVERIFY(probe.holder(QStringLiteral("ImgLevel(1)"))->picture().isNull());
    QCOMPARE(pictureBoxMismatch(probe.pictureBox(), QStringLiteral("rules.bmp")), QString());
}

QTEST_MAIN(DeferredPicturesTest)
#include "deferred_pictures_test.moc"

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's own pictures in the window, compared pixel by pixel with the files under
// assets/: the background from the client area's top-left corner, the icon, the cards in
// their holders, and in Picture1 the card of a level from the start of its round until the
// next start, whatever happens in between. The pictures the first frame does not show
// arrive once it has been painted: each as committed, a card already on show replaced at
// once, and a failure told, not thrown. Runs once at the normal scale and once with
// QT_SCALE_FACTOR=2, where the pictures must keep their pixel size.

#include "built_in_pictures.h"
#include "deferred_pictures.h"
#include "form1.h"
#include "form_probe.h"
#include "image_holder.h"
#include "picture_box.h"
#include "shown_pictures.h"
#include "window_shot.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <stdexcept>

using pabrel::testing::committedPicture;
using pabrel::testing::FormProbe;
using pabrel::testing::LevelText;
using pabrel::testing::pictureBoxMismatch;
using pabrel::testing::pictureMismatch;
using pabrel::testing::WindowShot;
using pabrel::ui::builtInPictures;
using pabrel::ui::DeferredPictures;
using pabrel::ui::Form1;
using pabrel::ui::LaterPictures;

namespace {

struct Held
{
    const char* holder;
    const char* file;
};

const Held Holders[] = {
    {"ruru", "rules.bmp"},         {"ImgLevel(1)", "level1.bmp"}, {"ImgLevel(2)", "level2.bmp"},
    {"ImgLevel(3)", "level3.bmp"}, {"ImgLevel(4)", "level4.bmp"}, {"ImgLevel(5)", "level5.bmp"},
    {"ImgLevel(6)", "level6.bmp"}, {"ImgLevel(7)", "level7.bmp"}, {"ImgLevel(8)", "level8.bmp"},
};

QString levelCard(int level)
{
    return QStringLiteral("level%1.bmp").arg(level);
}

QImage solid(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class PictureTest : public QObject
{
    Q_OBJECT

private slots:
    void theProgramCarriesTheCommittedFilesAsStored();
    void backgroundStartsAtTheClientTopLeftWithButtonFaceBeyond();
    void theWindowIconIsTheIcon();
    void holdersShowTheirCardsAtTheirOwnSize_data();
    void holdersShowTheirCardsAtTheirOwnSize();
    void eachLevelsCardShowsFromItsStartUntilTheNext();
    void theRestArrivesAfterTheFirstFrame();
    void aCardOnShowIsReplacedWhenItArrives();
    void aFailureIsToldAndLeavesTheWindowAsItWas();
};

// The cards are kept one byte a pixel through the file's own colour table, a quarter of the
// memory of 32-bit pixels, and are never converted on the way to the screen.
void PictureTest::theProgramCarriesTheCommittedFilesAsStored()
{
    const auto pictures = builtInPictures();
    QCOMPARE(pictures.background.format(), QImage::Format_RGB32);
    QCOMPARE(pictures.background, committedPicture(QStringLiteral("background.bmp")));
    QList<std::pair<QImage, QString>> cards;
    const char* const rulesFiles[] = {"rules.bmp", "rules_backward.bmp", "rules_ascending.bmp"};
    for (int order = 0; order < pabrel::RecallOrderCount; ++order) {
        cards.append({pictures.rules[order], QLatin1String(rulesFiles[order])});
    }
    for (int level = 1; level <= 8; ++level) {
        cards.append({pictures.levels[level - 1], levelCard(level)});
    }
    for (const auto& [card, file] : cards) {
        QCOMPARE(card.format(), QImage::Format_Indexed8);
        QCOMPARE(card.colorCount(), 16);
        QCOMPARE(card.convertToFormat(QImage::Format_RGB32), committedPicture(file));
    }
}

// Enlarged, the window shows the whole background from the client area's top-left corner.
void PictureTest::backgroundStartsAtTheClientTopLeftWithButtonFaceBeyond()
{
    FormProbe probe(builtInPictures());
    Form1& form = probe.form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.resize(1000, 900);
    QTRY_COMPARE(form.size(), QSize(1000, 900));
    const WindowShot shot(probe.shot());
    const QImage& image = shot.image();
    const QList<QRect> covered = shot.controlsOf(form);
    QCOMPARE(pictureMismatch(image, {}, committedPicture(QStringLiteral("background.bmp")),
                             image.rect(), covered),
             QString());
    const QImage buttonFace = solid(image.size(), QApplication::palette().color(QPalette::Button));
    const QRect right(782, 0, image.width() - 782, image.height());
    const QRect below(0, 576, image.width(), image.height() - 576);
    QCOMPARE(pictureMismatch(image, {}, buttonFace, right, covered), QString());
    QCOMPARE(pictureMismatch(image, {}, buttonFace, below, covered), QString());
}

void PictureTest::theWindowIconIsTheIcon()
{
    FormProbe probe(builtInPictures());
    const QIcon icon = probe.form().windowIcon();
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    QCOMPARE(icon.pixmap(QSize(32, 32), 1.0).toImage().convertToFormat(QImage::Format_RGB32),
             committedPicture(QStringLiteral("pabrel.ico")));
}

void PictureTest::holdersShowTheirCardsAtTheirOwnSize_data()
{
    QTest::addColumn<QString>("file");
    for (const Held& held : Holders) {
        QTest::newRow(held.holder) << QString::fromLatin1(held.file);
    }
}

void PictureTest::holdersShowTheirCardsAtTheirOwnSize()
{
    QFETCH(QString, file);
    FormProbe probe(builtInPictures());
    probe.form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&probe.form()));
    const QImage shot =
        probe.holder(QString::fromLatin1(QTest::currentDataTag()))->grab().toImage();
    // As large as the card, to within the rounding to whole widget pixels of a display
    // that Qt scales.
    const QSize spare = shot.size() - QSize(618, 255);
    QVERIFY(spare.width() >= 0 && spare.width() < shot.devicePixelRatio());
    QVERIFY(spare.height() >= 0 && spare.height() < shot.devicePixelRatio());
    QCOMPARE(pictureMismatch(shot, {}, committedPicture(file), shot.rect()), QString());
}

// Climbs from level 1 to 8 with right answers, starting each round during the pause after
// the last result except the first time, when the pause runs out.
void PictureTest::eachLevelsCardShowsFromItsStartUntilTheNext()
{
    FormProbe probe(builtInPictures());
    QVERIFY(probe.showActive());
    QCOMPARE(pictureBoxMismatch(probe.pictureBox(), QStringLiteral("rules.bmp")), QString());

    for (int level = 1; level <= 8; ++level) {
        QVERIFY(probe.playToAnswering());
        QCOMPARE(pictureBoxMismatch(probe.pictureBox(), levelCard(level)), QString());
        probe.type(probe.flashedDigits());
        QCOMPARE(probe.label()->text(), QStringLiteral("正解！"));
        QCOMPARE(pictureBoxMismatch(probe.pictureBox(), levelCard(level)), QString());
        if (level == 1) {
            probe.advance(1500);
            QCOMPARE(probe.label()->text(), LevelText + QStringLiteral("2"));
            QCOMPARE(pictureBoxMismatch(probe.pictureBox(), levelCard(1)), QString());
        }
    }

    // Level 8 is the top: a right answer there keeps it, and its card shows again.
    QVERIFY(probe.playToAnswering());
    QCOMPARE(pictureBoxMismatch(probe.pictureBox(), levelCard(8)), QString());

    // Giving up lowers the level but leaves the card until the next start shows level 7's.
    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    QCOMPARE(probe.label()->text(), QStringLiteral("残念！"));
    QCOMPARE(pictureBoxMismatch(probe.pictureBox(), levelCard(8)), QString());
    QTest::mouseClick(probe.startButton(), Qt::LeftButton);
    QCOMPARE(probe.label()->text(), QStringLiteral("3"));
    QCOMPARE(pictureBoxMismatch(probe.pictureBox(), levelCard(7)), QString());
}

void PictureTest::theRestArrivesAfterTheFirstFrame()
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
void PictureTest::aCardOnShowIsReplacedWhenItArrives()
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

void PictureTest::aFailureIsToldAndLeavesTheWindowAsItWas()
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

QTEST_MAIN(PictureTest)
#include "picture_test.moc"

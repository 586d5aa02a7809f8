// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's own pictures in the window, compared pixel by pixel with the files under
// assets/: the rules card at start-up, the background from the client area's top-left
// corner, the icon, and the cards in their holders. Runs once at the normal scale and once
// with QT_SCALE_FACTOR=2, where the pictures must keep their pixel size.

#include "built_in_pictures.h"
#include "form1.h"
#include "form_probe.h"
#include "image_holder.h"
#include "picture_box.h"
#include "shown_pictures.h"

#include <QApplication>
#include <QTest>

using pabrel::testing::committedPicture;
using pabrel::testing::FormProbe;
using pabrel::testing::pictureBoxMismatch;
using pabrel::testing::pictureMismatch;
using pabrel::ui::builtInPictures;
using pabrel::ui::Form1;

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

QRect inDevicePixels(const QRect& rect, qreal ratio)
{
    return {rect.topLeft() * ratio, rect.size() * ratio};
}

// Where the window's controls stand, in device pixels: the background is hidden there.
QList<QRect> controlsOf(const Form1& form, qreal ratio)
{
    QList<QRect> covered;
    for (const QWidget* control : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isVisible()) {
            covered.append(inDevicePixels(control->geometry(), ratio));
        }
    }
    return covered;
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
    void theProgramCarriesTheCommittedFiles();
    void picturesStayInTheirFilesSixteenColours();
    void startUpShowsTheRulesCardInPicture1();
    void backgroundStartsAtTheClientTopLeftWithButtonFaceBeyond();
    void theWindowIconIsTheIcon();
    void holdersShowTheirCardsAtTheirOwnSize_data();
    void holdersShowTheirCardsAtTheirOwnSize();
    void holdersComeIntoViewBelow552WhenTheWindowIsTaller();
};

void PictureTest::theProgramCarriesTheCommittedFiles()
{
    const auto pictures = builtInPictures();
    QCOMPARE(pictures.background.convertToFormat(QImage::Format_RGB32),
             committedPicture(QStringLiteral("background.bmp")));
    QCOMPARE(pictures.icon.toImage().convertToFormat(QImage::Format_RGB32),
             committedPicture(QStringLiteral("pabrel.ico")));
    const QStringList rulesFiles{QStringLiteral("rules.bmp"), QStringLiteral("rules_backward.bmp"),
                                 QStringLiteral("rules_ascending.bmp")};
    for (int order = 0; order < pabrel::RecallOrderCount; ++order) {
        QCOMPARE(pictures.rules[order].convertToFormat(QImage::Format_RGB32),
                 committedPicture(rulesFiles[order]));
    }
    for (int level = 1; level <= 8; ++level) {
        QCOMPARE(pictures.levels[level - 1].convertToFormat(QImage::Format_RGB32),
                 committedPicture(QStringLiteral("level%1.bmp").arg(level)));
    }
}

// The cards: one byte a pixel through the file's own colour table, a quarter of the memory
// of 32-bit pixels, and never converted on the way to the screen.
void PictureTest::picturesStayInTheirFilesSixteenColours()
{
    const auto pictures = builtInPictures();
    QCOMPARE(pictures.background.format(), QImage::Format_RGB32);
    QList<QImage> held(pictures.rules.begin(), pictures.rules.end());
    held.append(QList<QImage>(pictures.levels.begin(), pictures.levels.end()));
    for (const QImage& picture : held) {
        QCOMPARE(picture.format(), QImage::Format_Indexed8);
        QCOMPARE(picture.colorCount(), 16);
    }
}

void PictureTest::startUpShowsTheRulesCardInPicture1()
{
    FormProbe probe(builtInPictures());
    Form1& form = probe.form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(pictureBoxMismatch(probe.pictureBox(), QStringLiteral("rules.bmp")), QString());
    QCOMPARE(probe.pictureBox()->picture().cacheKey(),
             probe.holder(QStringLiteral("ruru"))->picture().cacheKey());
}

void PictureTest::backgroundStartsAtTheClientTopLeftWithButtonFaceBeyond()
{
    FormProbe probe(builtInPictures());
    Form1& form = probe.form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // At its usual size the window shows the top-left part of the background.
    QImage shot = form.grab().toImage();
    qreal ratio = shot.devicePixelRatio();
    const QImage background = committedPicture(QStringLiteral("background.bmp"));
    QCOMPARE(pictureMismatch(shot, {}, background, shot.rect(), controlsOf(form, ratio)),
             QString());

    form.resize(1000, 900);
    QTRY_COMPARE(form.size(), QSize(1000, 900));
    shot = form.grab().toImage();
    ratio = shot.devicePixelRatio();
    const QList<QRect> covered = controlsOf(form, ratio);
    QCOMPARE(pictureMismatch(shot, {}, background, shot.rect(), covered), QString());
    const QImage buttonFace = solid(shot.size(), QApplication::palette().color(QPalette::Button));
    const QRect right(782, 0, shot.width() - 782, shot.height());
    const QRect below(0, 576, shot.width(), shot.height() - 576);
    QCOMPARE(pictureMismatch(shot, {}, buttonFace, right, covered), QString());
    QCOMPARE(pictureMismatch(shot, {}, buttonFace, below, covered), QString());
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

// The holders lie in a cascade below the client area's usual 534 rows, ImgLevel(8) the
// highest at 552 and the lowest in the stacking order.
void PictureTest::holdersComeIntoViewBelow552WhenTheWindowIsTaller()
{
    FormProbe probe(builtInPictures());
    Form1& form = probe.form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const Held& held : Holders) {
        QVERIFY(!form.rect().intersects(probe.holder(QLatin1String(held.holder))->geometry()));
    }

    form.resize(676, 600);
    QTRY_COMPARE(form.size(), QSize(676, 600));
    const QImage shot = form.grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    const auto* highest = probe.holder(QStringLiteral("ImgLevel(8)"));
    QList<QRect> above;
    for (const Held& held : Holders) {
        const auto* holder = probe.holder(QLatin1String(held.holder));
        if (holder != highest) {
            above.append(inDevicePixels(holder->geometry(), ratio));
        }
    }
    const QRect belowUsualArea(0, 552 * ratio, shot.width(), shot.height());
    QCOMPARE(pictureMismatch(shot, highest->pos() * ratio,
                             committedPicture(QStringLiteral("level8.bmp")), belowUsualArea, above),
             QString());
    QCOMPARE(shot.pixel(QPoint(160, 552) * ratio),
             committedPicture(QStringLiteral("level8.bmp")).pixel(QPoint(8, 0)));
}

QTEST_MAIN(PictureTest)
#include "picture_test.moc"

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the game's pictures and writes them, in the formats the game carries them in, into
// the folder given on the command line (the source tree's assets/): the background, the
// icon, with its enlargements for the desktop under icons/, and the cards (the rules card of
// each answer order and the eight level cards) in Japanese and, under en/, in English.

#include "background_art.h"
#include "bitmap_encoding.h"
#include "card_art.h"
#include "card_designs.h"
#include "desktop_icons.h"
#include "icon_art.h"

#include <QFontInfo>
#include <QGuiApplication>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>

namespace {

// The face is checked rather than trusted to fontconfig's fallback, so that a missing
// package stops the run instead of quietly changing every card.
constexpr auto LetteringFamily = "IPAPGothic";

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
    std::printf("wrote %s\n", path.string().c_str());
}

QFont letteringFace()
{
    QFont face(LetteringFamily);
    face.setPixelSize(24);
    if (QFontInfo(face).family() != LetteringFamily) {
        throw std::runtime_error(std::string(LetteringFamily) +
                                 " is missing: install fonts-ipafont-gothic");
    }
    return face;
}

void drawAll(const std::filesystem::path& folder)
{
    using namespace pabrel::art;
    std::filesystem::create_directories(folder);
    const IndexedImage background = drawBackground();
    const SpeckleSummary speckle = summariseSpeckle(background);
    std::printf("background: %d blue pixels, %.2f %% to %.2f %% over every %d x %d patch\n",
                speckle.bluePixels, 100 * speckle.thinnestPatch, 100 * speckle.densestPatch,
                BackgroundPatchSide, BackgroundPatchSide);
    writeFile(folder / "background.bmp", encodeBmp(background));
    const IndexedImage icon = drawIcon();
    writeFile(folder / "pabrel.ico", encodeIco(icon));
    writeDesktopIcons(icon, folder / "icons");
    const CardArt cards(letteringFace());
    using pabrel::Language;
    for (const Language language : {Language::Japanese, Language::English}) {
        for (const CardDesign& design : cardDesigns(language)) {
            const std::filesystem::path path = folder / design.fileName;
            std::filesystem::create_directories(path.parent_path());
            writeFile(path, encodeBmp(cards.draw(design)));
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    // Only fonts and an offscreen raster are needed, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    try {
        drawAll(argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

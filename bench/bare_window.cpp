// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The baselines for the game's start-up: an empty Qt window of the game's size, or one
// with a single line of text in the game's font, launched and timed as the game is.

#include "game_font.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3 && arguments.size() != 5) {
        std::fprintf(stderr, "usage: %s <width> <height> [<text> <point size>]\n", argv[0]);
        return 2;
    }
    QWidget window;
    window.resize(arguments[1].toInt(), arguments[2].toInt());
    if (arguments.size() == 5) {
        auto* line = new QLabel(arguments[3], &window);
        line->setFont(pabrel::ui::gameFont(arguments[4].toInt()));
        line->move(10, 10);
    }
    window.show();
    return QApplication::exec();
}

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The baselines for the game's start-up: an empty Qt window of the game's size, or one
// with a single line of text in the default font, started and timed the same way.

#include "first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 5) {
        std::fprintf(stderr, "usage: %s <width> <height> <text> <launched-ns>\n", argv[0]);
        return 2;
    }
    QWidget window;
    window.resize(arguments[1].toInt(), arguments[2].toInt());
    if (!arguments[3].isEmpty()) {
        auto* line = new QLabel(arguments[3], &window);
        line->move(10, 10);
    }
    return pabrel::bench::reportFirstPaint(window, arguments[4].toLongLong());
}

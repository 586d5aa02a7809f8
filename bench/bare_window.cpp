// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The baseline for the game's start-up: an empty Qt window of the game's size, started and
// timed the same way.

#include "first_paint.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: %s <width> <height> <launched-ns>\n", argv[0]);
        return 2;
    }
    QWidget window;
    window.resize(arguments[1].toInt(), arguments[2].toInt());
    return pabrel::bench::reportFirstPaint(window, arguments[3].toLongLong());
}

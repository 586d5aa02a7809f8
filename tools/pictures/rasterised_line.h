// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

namespace pabrel::art {

// One line of lettering drawn without smoothing, reduced to its ink: which pixels of the
// smallest box around the lettering are inked.
class RasterisedLine
{
public:
    RasterisedLine(const QString& text, const QFont& font);

    int width() const { return ink_.width(); }
    int height() const { return ink_.height(); }
    // The baseline's row from the top of the ink box: how many rows of ink lie above it.
    int baseline() const { return baseline_; }
    // x and y from the top-left corner of the ink box.
    bool inkAt(int x, int y) const;

private:
    QImage image_;
    QRect ink_;
    int baseline_ = 0;
};

} // namespace pabrel::art

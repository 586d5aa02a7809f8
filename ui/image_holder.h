// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QWidget>

namespace pabrel::ui {

// Holds one of the game's pictures for the picture box to show. It is a plain windowless
// widget, exactly as large as its picture at pixel size, that draws the picture where it
// lies; the window places the holders below its normal size, out of view until the
// window is made taller.
class ImageHolder : public QWidget
{
    Q_OBJECT

public:
    explicit ImageHolder(QWidget* parent);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

} // namespace pabrel::ui

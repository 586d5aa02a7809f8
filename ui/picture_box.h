// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>
#include <QImage>

namespace pabrel::ui {

// A sunken frame that shows one picture pixel for pixel from the top-left corner of its
// interior, clipped at the interior's edges, on the button-face colour. It never resizes
// to its picture.
class PictureBox : public QFrame
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

} // namespace pabrel::ui

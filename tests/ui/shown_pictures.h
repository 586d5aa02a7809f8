// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

namespace pabrel::ui {
class PictureBox;
} // namespace pabrel::ui

namespace pabrel::testing {

// A picture file committed under assets/, decoded from disk, to compare the window with.
QImage committedPicture(const QString& fileName);

// Compares a screenshot, in device pixels, with `picture` drawn pixel for pixel with its
// top-left pixel at `origin`, looking only at the pixels inside `clip` and outside every
// `covered` rectangle. Returns an empty string when they all match, otherwise where and how
// the first one differs.
QString pictureMismatch(const QImage& shot, QPoint origin, const QImage& picture, const QRect& clip,
                        const QList<QRect>& covered = {});

// Whether Picture1 shows the committed picture `fileName` from the top-left corner of its
// interior, clipped there; the same string as pictureMismatch.
QString pictureBoxMismatch(ui::PictureBox* box, const QString& fileName);

} // namespace pabrel::testing

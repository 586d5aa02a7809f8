// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <functional>

namespace pabrel::ui {

class Form1;
struct LaterPictures;

// Gives the window the pictures its first frame does not show, decoded right after that
// frame has been painted: the window appears sooner, and the level cards are ready long
// before the first round's countdown ends.
class DeferredPictures : public QObject
{
    Q_OBJECT

public:
    using Decoder = std::function<LaterPictures()>;

    DeferredPictures(Form1& form, Decoder decode);

signals:
    // The pictures are in the window.
    void taken();
    // They could not be decoded; `what` says which and why.
    void failed(const QString& what);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void decodeAndGive();

    Form1& form_;
    Decoder decode_;
};

} // namespace pabrel::ui

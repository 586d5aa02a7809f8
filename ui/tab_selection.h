// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QLineEdit;

namespace pabrel::ui {

// A text box reached by Tab selects its text as it takes the focus, which tells screen
// readers of the selection before the focus: they then take the box as already announced
// and never say its name. Watching a box, this lets it take the focus plainly and select
// its text once the focus has been told.
class TabSelection : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    void watch(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace pabrel::ui

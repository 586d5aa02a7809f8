// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <vector>

class QLabel;

namespace pabrel::ui {

// One thing for screen readers to say.
class Announcement : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    const QString& text() const { return text_; }
    void setText(const QString& text) { text_ = text; }

private:
    QString text_;
};

// Makes screen readers say what changes on screen as it happens, wherever the focus is:
// the status label's texts and the card's text. Screen readers only speak changes of the
// focused control, except for a notification appearing; so each text is given to a
// notification of the status bar that appears for it. Texts are said once the event that
// set them is over and in the order they were set, and a status text that was replaced
// within the same event (the count's last "0", replaced by "GO") is not said at all.
class Announcer : public QObject
{
    Q_OBJECT

public:
    explicit Announcer(QLabel* status);

    // Says the status label's text, as it is when the event is over.
    void statusChanged();
    void announce(const QString& text);

private:
    struct Pending
    {
        bool isStatus;
        QString text;
    };

    void queue(Pending pending);
    void sayPending();
    void say(const QString& text);

    QLabel* status_;
    std::vector<Pending> pending_;
    QString lastStatus_;
    // Screen readers read a notification some time after it appears; each keeps its text
    // until seven more have been said.
    std::array<Announcement*, 8> notifications_{};
    std::size_t next_ = 0;
};

} // namespace pabrel::ui

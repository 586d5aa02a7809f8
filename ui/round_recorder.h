// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "round_observer.h"
#include "round_record.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <optional>

namespace pabrel::ui {

class FlashWatch;

// Puts together the record of each finished round from what the game reports and what
// only the window knows: the characters as typed, the time of day, the flash as painted
// and how long the answer took.
class RoundRecorder : public QObject, public RoundObserver
{
    Q_OBJECT

public:
    explicit RoundRecorder(FlashWatch* flash, QObject* parent = nullptr);
    ~RoundRecorder() override;

    // An answer character, just before its key reaches the game.
    void characterTyped(char32_t character);
    // Hands over a judged round that still waits for its mask to be painted.
    void flush();
    // The coming round's digits are read aloud instead of shown (true), told before the
    // game reports the question; or they could not be read and are shown after all (false).
    void readingAloud(bool on);

    void questionShown() override;
    void questionMasked() override;
    void roundJudged(const JudgedRound& round) override;

signals:
    void roundFinished(const pabrel::records::RoundRecord& round);
    // The digits have been put on show (true), or are gone (false).
    void flashing(bool on);

private:
    void digitsPainted();
    void maskPainted(double flashMs);

    records::RoundRecord current_;
    std::optional<records::RoundRecord> awaitingPaint_;
    QElapsedTimer sinceMask_;
    QTimer paintDeadline_;
    bool digitsWerePainted_ = false;
    bool maskPaintDue_ = false;
    // The question about to be reported is read aloud.
    bool readAloud_ = false;
};

} // namespace pabrel::ui

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "round_kind.h"
#include "round_observer.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace pabrel::records {

// One finished round.
struct RoundRecord
{
    // When the digits were put on show, in UTC.
    QDateTime startedAt;
    int level = 1;
    // The digits shown, "4821".
    QString shown;
    // The characters typed as the answer, as typed: "7x".
    QString typed;
    RoundOutcome outcome = RoundOutcome::Wrong;
    // How long the level keeps the digits on show.
    int displayMs = 0;
    // How long they were on screen, from paint to paint; none where it was not measured.
    std::optional<double> paintedMs;
    // From the mask to the judgement; none for a round given up before the mask.
    std::optional<qint64> answerMs;
    Presentation presentation = Presentation::Shown;
    RecallOrder order = RecallOrder::Forward;

    RoundKind kind() const { return {order, presentation}; }

    friend bool operator==(const RoundRecord&, const RoundRecord&) = default;
};

} // namespace pabrel::records

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "record_error.h"
#include "records_overview.h"

#include <QString>

#include <optional>

namespace pabrel::records {

// What reading a records file gave: its overview, or why it could not be read.
struct OverviewReading
{
    std::optional<RecordsOverview> overview;
    std::optional<RecordError> failure;
};

// Opens `file` for reading and sums up every round, oldest first, in one pass over their
// times, levels and outcomes. A missing file is a failure of its own kind.
OverviewReading readOverview(const QString& file);

} // namespace pabrel::records

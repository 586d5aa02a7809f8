// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "record_error.h"
#include "records_overview.h"

#include <optional>

namespace pabrel::records {

class RecordStore;

// Works out what the records window shows from an open store: totals, each level's rounds,
// each day's best and the level over time.
class OverviewReader
{
public:
    explicit OverviewReader(RecordStore& store) : store_(store) {}

    // `maxPoints` bounds the level-over-time line.
    std::optional<RecordError> read(RecordsOverview& overview, int maxPoints = 2000);

private:
    std::optional<RecordError> readLevels(RecordsOverview& overview);
    std::optional<RecordError> readDays(RecordsOverview& overview);
    std::optional<RecordError> readLevelOverTime(RecordsOverview& overview, int maxPoints);

    RecordStore& store_;
};

} // namespace pabrel::records

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "record_error.h"
#include "records_overview.h"

#include <optional>

namespace pabrel::records {

class RecordStore;

// Reads every round of an open store, oldest first, into a RecordsOverview: one pass over
// the rounds' times, levels and outcomes.
class OverviewReader
{
public:
    explicit OverviewReader(RecordStore& store) : store_(store) {}

    std::optional<RecordError> read(RecordsOverview& overview);

private:
    RecordStore& store_;
};

} // namespace pabrel::records

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "record_error.h"

#include <QStringList>

#include <functional>
#include <optional>

namespace pabrel::records {

class RecordStore;

// Reads every round of an open store, oldest first (by started_at, then in the order they
// were recorded), as the texts of its columns in the order of RoundColumns. Texts are
// cheaper than typed values for a long history, and they are what the exports write.
std::optional<RecordError> forEachRound(RecordStore& store,
                                        const std::function<void(const QStringList&)>& visit);

} // namespace pabrel::records

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace pabrel::records {

// $XDG_DATA_HOME/pabrel/records.sqlite3, or under ~/.local/share where XDG_DATA_HOME is
// unset or not an absolute path.
QString defaultRecordsFile();

} // namespace pabrel::records

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech_client.h"

namespace pabrel::ui {

Q_LOGGING_CATEGORY(speechLog, "pabrel.speech", QtInfoMsg)

} // namespace pabrel::ui

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Real-time scheduling is asked of Linux alone: on other systems the boost never raises the
// thread, and runs it on at normal priority.

#include "realtime_boost.h"

namespace pabrel::realtime {

bool RealtimeBoost::isCallingThreadRealtime()
{
    return false;
}

RealtimeBoost::Direct RealtimeBoost::raiseDirectly()
{
    qCDebug(realtimeLog, "real-time scheduling is asked of Linux alone");
    return Direct::Failed;
}

void RealtimeBoost::askRealtimeKit()
{
    kitAnswered(false);
}

void RealtimeBoost::lower()
{
}

} // namespace pabrel::realtime

// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

class QWidget;

namespace pabrel::bench {

// The monotonic clock, which a parent and the child it launches share.
qint64 monotonicNs();

// Run in a child process launched at `launchedNs`: shows `window` and, once its first frame
// is painted, prints three figures and leaves the event loop: the milliseconds since
// launch, the process's CPU time in milliseconds, and its peak resident memory in MiB.
int reportFirstPaint(QWidget& window, qint64 launchedNs);

} // namespace pabrel::bench

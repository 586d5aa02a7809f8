#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Pabrel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Opens the game on a virtual X screen and checks that its window's class is the one the
# desktop entry names, so that the desktop links the window to the entry and its icon.
#   window_class_check.sh PROGRAM DESKTOP_ENTRY   (run under xvfb-run)
set -eu
program=$1
entry=$2

expected=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$expected" ] || { echo "no StartupWMClass in $entry"; exit 1; }

"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window=
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the window did not appear"; exit 1; }

classes=$(xprop -id "$window" WM_CLASS)
echo "$classes; StartupWMClass=$expected"
# WM_CLASS(STRING) = "instance", "class": desktops match the entry against the class.
class=$(echo "$classes" | sed -n 's/.*", "\(.*\)"$/\1/p')
[ "$class" = "$expected" ]

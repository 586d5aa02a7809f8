#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pabrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The part of play_round.sh that runs inside the private session bus.
set -euo pipefail

game=$1
work=$2
language=$3
order=$4
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
pids+=($!)
sleep 1
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
# Orca speaks nothing aloud here: without a speech server its debug log still records
# every utterance.
SPEECHD_CMD=/bin/false orca --replace --disable braille --disable main-window --disable splash-window --debug-file="$work/orca.log" >"$work/orca.out" 2>&1 &
orca=$!
sleep 4

QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$game" --lang "$language" --order "$order" >"$work/game.log" 2>&1 &
game_pid=$!
pids+=($game_pid)
sleep 3
# The title names any order but the first: Pabrel（逆から）.
window=$(xdotool search --sync --name '^Pabrel' | head -n 1)
xdotool windowactivate --sync "$window"
sleep 1

# Tab to the start button, press it, let the count run and the digits flash, answer wrongly.
xdotool key Tab
sleep 1
xdotool key space
sleep 5
xdotool type --delay 200 "xx"
sleep 4
# Once round the tab order, to hear what each control is called.
for _ in $(seq 13); do
    xdotool key Tab
    sleep 0.7
done
# Flat review of the window, line by line: Orca's "read current line" and "next line" on
# the desktop layout (the keypad's 8 and 9, with Num Lock off).
xdotool key KP_Up
sleep 0.7
for _ in $(seq 4); do
    xdotool key KP_Page_Up
    sleep 0.7
done

# Orca writes its log out only as it shuts down.
kill "$game_pid"
kill -INT "$orca"
timeout 20 tail --pid="$orca" -f /dev/null || kill -KILL "$orca"

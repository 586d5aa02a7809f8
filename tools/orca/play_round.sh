#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pabrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Plays one round by keyboard with the Orca screen reader listening, on a private stack:
# a virtual X screen, a window manager, a session bus of its own, the accessibility bus and
# Orca with its debug log. Prints what Orca spoke and checks that the count, GO, the result,
# the new level and the card were each spoken once, in order, in the language played; with
# another answer order, that the order was said first.
#
#   tools/orca/play_round.sh [--lang ja|en] [--order backward|ascending] [path/to/pabrel]
#
# Needs xvfb, openbox, dbus, at-spi2-core, orca and xdotool (scripts/install-deps.sh).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
language=ja
order=forward
while [ "${1:-}" = "--lang" ] || [ "${1:-}" = "--order" ]; do
    case "$1" in
    --lang) language=$2 ;;
    --order) order=$2 ;;
    esac
    shift 2
done
game=$(realpath "${1:-$here/../../build/app/pabrel}")
work=$(mktemp -d)
keep() { if [ -n "${KEEP_LOGS:-}" ]; then cp -r "$work"/*.log "$KEEP_LOGS"/ 2>/dev/null || true; fi; rm -rf "$work"; }
trap keep EXIT

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; keep' EXIT
sleep 1

DISPLAY=$display HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
XDG_RUNTIME_DIR=$work dbus-run-session -- "$here/session.sh" "$game" "$work" "$language" "$order"

python3 "$here/check_speech.py" "$work/orca.log" "$language" "$order"

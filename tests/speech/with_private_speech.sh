#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pabrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Runs a command against a speech-dispatcher of its own that speaks with espeak-ng into a
# raw sound file instead of a sound device. The command finds the file's folder in
# SPOKEN_RECORDING_DIR; the file is named after its rate, channels and bits, e.g.
# speech-22050-1-16.raw. Exits with 77 (skipped) where speech-dispatcher or its espeak-ng
# module is not installed.
set -euo pipefail

module=/usr/lib/speech-dispatcher-modules/sd_espeak-ng
if ! command -v speech-dispatcher >/dev/null || [ ! -x "$module" ]; then
    echo "speech-dispatcher with espeak-ng is not installed; skipping"
    exit 77
fi

work=$(mktemp -d)
daemon=
cleanup() {
    if [ -n "$daemon" ]; then
        kill "$daemon" 2>/dev/null || true
        wait "$daemon" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/config/modules" "$work/recording"
cat >"$work/config/speechd.conf" <<CONF
AudioOutputMethod "alsa"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
CONF
cp /etc/speech-dispatcher/modules/espeak-ng.conf "$work/config/modules/" 2>/dev/null ||
    touch "$work/config/modules/espeak-ng.conf"
cat >"$work/asound.conf" <<CONF
pcm.!default {
    type file
    slave.pcm { type null }
    file "$work/recording/speech-%r-%c-%b.raw"
    format "raw"
    truncate false
}
CONF

ALSA_CONFIG_PATH=$work/asound.conf speech-dispatcher --run-single --timeout 0 \
    --config-dir "$work/config" --socket-path "$work/socket" --pid-file "$work/pid" \
    --log-level 1 >"$work/daemon.log" 2>&1 &
daemon=$!
for _ in $(seq 50); do
    [ -S "$work/socket" ] && break
    sleep 0.1
done

SPEECHD_ADDRESS=unix_socket:$work/socket SPOKEN_RECORDING_DIR=$work/recording "$@"

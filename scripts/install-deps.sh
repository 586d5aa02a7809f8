#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pabrel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs, on Debian 12, every package that building, testing and running Pabrel needs.
# Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

packages=(
    # toolchain: GCC, and Clang as CI's second compiler; the formatting check
    g++ clang cmake ninja-build pkgconf libgtest-dev clang-format
    # the window toolkit and what its CMake package expects
    qt6-base-dev libgl-dev
    # the accessibility tests stand in for a screen reader through Qt's platform layer
    qt6-base-private-dev
    # the records: an SQLite file through Qt SQL, and the records window's chart (Debian's
    # charts package does not pull in the OpenGL module its CMake package needs)
    libqt6sql6-sqlite qt6-charts-dev libqt6opengl6-dev
    # the real-time boost asks RealtimeKit through libdbus; its test starts a bus of its own
    libdbus-1-dev dbus-daemon
    # the translations: lupdate and lrelease and their CMake functions, and Qt's own
    # translations, so that standard buttons and dialogs speak the player's language
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    # a Japanese Gothic face for every text of the game
    fonts-ipafont-gothic
    # the desktop bell sound (optional: without it the bell is the toolkit's beep), and its
    # sound-server driver, which desktops have and the bell's test of a silent server needs
    libcanberra-dev libcanberra-pulse
    # a native window on Wayland desktops
    qt6-wayland
    # the listening mode speaks through speech-dispatcher; its test speaks with espeak-ng
    libspeechd-dev speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
    # a display server for the window tests and screenshots, and the tools that read the
    # window's class from it
    xvfb xauth xdotool x11-utils
    # the screen-reader check, tools/orca/play_round.sh (not run by the test suite)
    orca at-spi2-core dbus openbox
    # validators for the desktop entry and metainfo, the Debian package tools and checker,
    # and the licence checker
    desktop-file-utils appstream dpkg-dev file lintian reuse
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"

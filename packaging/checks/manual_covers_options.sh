#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Pabrel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks that the manual page describes every option that the program's --help lists.
#   manual_covers_options.sh PROGRAM MANUAL_PAGE
set -eu
program=$1
manual=$2

options=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
[ -n "$options" ] || { echo "--help lists no options"; exit 1; }
missing=
for option in $options; do
    # roff writes each hyphen of an option as \-.
    grep -q -- "$(echo "$option" | sed 's/-/\\\\-/g')" "$manual" || missing="$missing $option"
done
[ -z "$missing" ] || { echo "not in $manual:$missing"; exit 1; }
echo "$manual describes:" $options

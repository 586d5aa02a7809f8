#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Pabrel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package from a build folder into a scratch folder and has lintian
# check it; any error or warning fails.
#   lintian_check.sh CPACK LINTIAN BUILD_DIR
set -eu
cpack=$1
lintian=$2
build_dir=$3

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$cpack" --config "$build_dir/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; exit 1; }
"$lintian" --fail-on error,warning --display-info "$scratch"/*.deb

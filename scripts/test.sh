#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pabrel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Pabrel and runs its whole test suite, with the CMake presets of CMakePresets.json.
#   --werror    treat compiler warnings as errors
#   --sanitize  build in build-sanitize/ with AddressSanitizer and UndefinedBehaviorSanitizer
#   --clang     build in build-clang/ with Clang instead of GCC
set -euo pipefail
cd "$(dirname "$0")/.."

preset=release
options=()
for argument in "$@"; do
    case "$argument" in
    --werror) options+=(-DPABREL_WERROR=ON) ;;
    --sanitize) preset=sanitize ;;
    --clang) preset=clang ;;
    *)
        echo "unknown option: $argument" >&2
        exit 2
        ;;
    esac
done
if command -v ccache >/dev/null; then
    options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

scripts/install-deps.sh
cmake --preset "$preset" "${options[@]}"
cmake --build --preset "$preset"
ctest --preset "$preset"

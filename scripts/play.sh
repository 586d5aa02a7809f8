#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pabrel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Pabrel, installing whatever is missing first, and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target pabrel
exec build/app/pabrel "$@"

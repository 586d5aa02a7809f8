#!/usr/bin/env bash
# Builds Pabrel, installing whatever is missing first, and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target pabrel
exec build/app/pabrel "$@"

#!/usr/bin/env bash
# Builds Pabrel, installing whatever is missing first, and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target pabrel
exec build/app/pabrel

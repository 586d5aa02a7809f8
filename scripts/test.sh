#!/usr/bin/env bash
# Builds Pabrel and runs its whole test suite.
#   --werror    treat compiler warnings as errors
#   --sanitize  build in build-sanitize/ with AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
for argument in "$@"; do
    case "$argument" in
    --werror) options+=(-DPABREL_WERROR=ON) ;;
    --sanitize)
        build_dir=build-sanitize
        options+=(-DPABREL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
        ;;
    *)
        echo "unknown option: $argument" >&2
        exit 2
        ;;
    esac
done

scripts/install-deps.sh
cmake -S . -B "$build_dir" -G Ninja "${options[@]}"
cmake --build "$build_dir"
ctest --test-dir "$build_dir" --output-on-failure

#!/usr/bin/env bash
# Configures and builds ZAVType (RelWithDebInfo). Usage: build.sh [--sanitize] [cmake args...]
# The normal build goes to ./build; --sanitize builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer into ./build-sanitize.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build
args=()
if [ "${1:-}" = "--sanitize" ]; then
    shift
    dir=build-sanitize
    args+=(-DZAV_SANITIZE=ON)
fi
scripts/setup.sh
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${args[@]}" "$@" >/dev/null
cmake --build "$dir"

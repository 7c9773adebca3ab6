#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
# Usage: test.sh [--sanitize]   (--sanitize: the same tests built with ASan and UBSan)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build
if [ "${1:-}" = "--sanitize" ]; then
    dir=build-sanitize
    # No leak check: Qt Multimedia's sample cache, still loading on its own thread when a
    # widget test ends, now and then leaves allocations that LeakSanitizer reports.
    export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
scripts/build.sh "$@"
cd "$dir"
ctest --output-on-failure -j2

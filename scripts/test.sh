#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
# Usage: test.sh [--sanitize]   (--sanitize: the same tests built with ASan and UBSan)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build
if [ "${1:-}" = "--sanitize" ]; then
    dir=build-sanitize
    # No leak check: the libraries under Qt (fontconfig, the sound service's client) keep
    # process-wide caches that LeakSanitizer reports.
    export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
# The folder may have been configured by run.sh, without tests and benchmarks.
scripts/build.sh "$@" -DZAV_TESTS=ON -DZAV_BENCHMARKS=ON
cd "$dir"
ctest --output-on-failure -j2

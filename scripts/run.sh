#!/usr/bin/env bash
# Installs what is missing, builds the programs and their data (no tests, no benchmarks: see
# scripts/test.sh), and starts the tutor from the build tree.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh -DZAV_TESTS=OFF -DZAV_BENCHMARKS=OFF
exec build/out/ZAVType "$@"

#!/usr/bin/env bash
# Configures and builds ZAVType in ./build (Release with debug info). Extra arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
"$(dirname "$0")/setup.sh"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build build

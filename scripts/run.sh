#!/usr/bin/env bash
# Installs what is missing, builds, and starts the tutor from the build tree.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
exec build/out/ZAVType "$@"

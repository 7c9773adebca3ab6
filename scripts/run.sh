#!/usr/bin/env bash
# Installs what is missing, builds, and starts the tutor from the build tree.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
if [ -x build/out/ZAVType ]; then
    exec build/out/ZAVType "$@"
fi
# Until the tutor's window exists, the command-line companion over the core stands in.
exec build/out/zavtool "${@:---help}"

#!/usr/bin/env bash
# Installs the Debian packages that ZAVType needs to build, run and test, and nothing when all are
# already there. Works as root or as a user with sudo. Usage: setup.sh [MORE PACKAGES...]
set -euo pipefail
packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-translations-l10n qt6-tools-dev qt6-l10n-tools libgl-dev
    libcanberra-dev libcanberra-pulse pulseaudio pulseaudio-utils
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    libxkbcommon-dev libxkbcommon-x11-dev xkb-data libx11-data
    xvfb xdotool imagemagick fonts-dejavu-core openbox x11-xkb-utils scdoc
    libpugixml-dev libsqlite3-dev libfontconfig-dev
    libclang-rt-14-dev
    "$@"
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"

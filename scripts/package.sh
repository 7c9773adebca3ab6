#!/usr/bin/env bash
# Builds the Debian package in the normal build folder and checks it as Debian would: lintian
# (errors and warnings fail), appstreamcli for the software-centre metadata and
# desktop-file-validate for the desktop entries. Prints the package's path last.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh lintian appstream desktop-file-utils
scripts/build.sh
cd build
rm -f zavtype_*.deb
cpack -G DEB >/dev/null
deb=$(ls zavtype_*.deb)

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net --pedantic "$root"/usr/share/metainfo/*.metainfo.xml
# --fail-on warning also fails on errors; the overrides the package carries are honoured.
lintian --fail-on error,warning --display-info "$deb"
echo "$PWD/$deb"

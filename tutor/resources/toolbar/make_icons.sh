#!/bin/sh
# Renders the toolbar's fallback icons from their SVG sources (ImageMagick with librsvg2-bin). The PNG files are
# kept in the repository, so the build does not need this script or an SVG renderer. They carry
# no gamma, chromaticity or text chunks: Qt would build a colour space for every icon it reads,
# which more than doubled the time to read the toolbar at start-up.
set -e
cd "$(dirname "$0")"
for svg in *.svg; do
    convert -background none -density 96 "$svg" -strip -define png:exclude-chunk=all \
        -define png:bit-depth=8 "PNG32:${svg%.svg}.png"
done

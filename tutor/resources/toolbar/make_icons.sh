#!/bin/sh
# Renders the toolbar's fallback icons from their SVG sources (ImageMagick with librsvg2-bin). The PNG files are
# kept in the repository, so the build does not need this script or an SVG renderer.
set -e
cd "$(dirname "$0")"
for svg in *.svg; do
    convert -background none -density 96 "$svg" -define png:bit-depth=8 "PNG32:${svg%.svg}.png"
done

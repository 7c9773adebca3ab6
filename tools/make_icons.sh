#!/bin/sh
# Renders the PNG sizes of the application icon and of the progress-file icon from their SVG
# sources in data/icons (ImageMagick). Run from the repository's root folder.
set -e
cd "$(dirname "$0")/../data/icons"
for size in 16 32 48 64 128 256; do
    convert -background none zavtype.svg -resize "${size}x${size}" -strip PNG32:"zavtype-$size.png"
done
for size in 16 32 48 64; do
    convert -background none application-x-zavtype.svg -resize "${size}x${size}" -strip \
        PNG32:"application-x-zavtype-$size.png"
done

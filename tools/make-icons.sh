#!/usr/bin/env bash
# Renders the program's icon, drawn in resources/icons/scribel.svg, to the PNG sizes the
# desktop's icon theme asks for, and to the window's own icon, an uncompressed bitmap with
# its transparency. The results are committed; run again only after changing the drawing.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.
set -euo pipefail
resources="$(dirname "$0")/../resources"
svg="$resources/icons/scribel.svg"

for size in 16 24 32 48 64 128 256; do
    folder="$resources/icons/hicolor/${size}x${size}/apps"
    mkdir -p "$folder"
    rsvg-convert --width "$size" --height "$size" "$svg" --output "$folder/scribel.png"
done
convert "$resources/icons/hicolor/48x48/apps/scribel.png" -define bmp:format=bmp4 \
    "$resources/images/scribel-48.bmp"

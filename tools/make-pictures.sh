#!/usr/bin/env bash
# Draws the program's own pictures (magazine titles, association logo) with ImageMagick;
# the icon is drawn as SVG and rendered by tools/make-icons.sh. The results are committed
# under resources/images; run again only to change them.
set -euo pipefail
out="$(dirname "$0")/../resources/images"
font=/usr/share/fonts/truetype/liberation/LiberationSans-BoldItalic.ttf
bold=/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf

# Title pictures, 24-bit.
convert -size 584x107 gradient:'#0b2f7a-#2d6fd6' \
    -font "$font" -pointsize 78 -fill '#ffd400' -stroke '#00113a' -strokewidth 3 \
    -gravity center -annotate +0+0 'PIXELOR' \
    -depth 8 -define png:color-type=2 "$out/titre-pixelor.png"
convert -size 587x81 gradient:'#7a0b1e-#d62d4a' \
    -font "$font" -pointsize 62 -fill white -stroke '#3a0010' -strokewidth 2 \
    -gravity center -annotate +0+0 'ZORVANE' \
    -depth 8 -define png:color-type=2 "$out/titre-zorvane.png"

# The association's logo, 256 colours.
convert -size 192x65 xc:'#f4f1e6' \
    -fill '#1f6b3a' -draw 'roundrectangle 4,4 60,60 10,10' \
    -font "$bold" -pointsize 40 -fill '#f4f1e6' -annotate +13+48 'Z' \
    -font "$bold" -pointsize 34 -fill '#1f6b3a' -annotate +70+46 'ZOLK' \
    -colors 256 -define png:color-type=3 "$out/logo-zolk.png"

# What the window shows at start is drawn from small pictures, quick to decode: the
# magazine buttons' pictures at the button's size (and twice it).
for magazine in pixelor zorvane; do
    convert "$out/titre-$magazine.png" -resize '105x19!' -depth 8 "$out/bouton-$magazine.png"
    convert "$out/titre-$magazine.png" -resize '210x38!' -depth 8 "$out/bouton-$magazine@2x.png"
done

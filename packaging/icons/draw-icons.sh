#!/usr/bin/env bash
# Draws the program's icon at 48 and 256 pixels from the same shapes as the SVG beside
# this script, with ImageMagick. The PNG files are committed; run this only after
# changing the drawing.
set -euo pipefail
cd "$(dirname "$0")"
draw="
  fill #1F4E79 stroke none roundrectangle 2,2 125,125 18,18
  fill #FFD23F circle 96,30 96,14
  fill none stroke #9FD3FF stroke-width 7 stroke-linecap round
  path 'M 30,84 C 20,70 40,62 30,48 C 22,38 34,30 30,22'
  path 'M 56,84 C 46,70 66,62 56,48 C 48,38 60,30 56,22'
  path 'M 82,84 C 72,70 92,62 82,54'
  fill #B8B8B0 stroke #6E6E66 stroke-width 2 polygon 10,96 118,96 110,116 18,116
  fill #D6D6CE stroke none polygon 10,96 118,96 114,102 14,102"
mkdir -p 48 256
/usr/bin/convert -size 256x256 xc:none -draw "affine 2,0,0,2,0,0 $draw" -strip PNG32:256/org.brackmere.Brackmere.png
/usr/bin/convert 256/org.brackmere.Brackmere.png -resize 48x48 -strip PNG32:48/org.brackmere.Brackmere.png
echo "Wrote packaging/icons/48 and packaging/icons/256"

#!/usr/bin/env bash
# Redraws the About box picture and scales the program's icon, with ImageMagick.
# The PNG files are committed; run this only after changing a drawing.
set -euo pipefail
cd "$(dirname "$0")"

# The icon: the one packaging/icons/draw-icons.sh draws, at the window's 128 pixels.
convert ../../packaging/icons/256/org.brackmere.Brackmere.png -resize 128x128 -strip brackmere.png

# The About box picture: a pour on a windy, sunny day with a thermometer beside it.
convert -size 96x96 xc:none -draw "
  fill #CFE8FA stroke #1F4E79 stroke-width 2 roundrectangle 1,1 94,94 10,10
  fill #FFD23F stroke #E0A800 stroke-width 1 circle 24,22 24,11
  fill none stroke #5E8FB8 stroke-width 3 stroke-linecap round
  line 46,18 80,18
  line 52,28 86,28
  line 44,38 74,38
  fill none stroke #FFFFFF stroke-width 4 stroke-linecap round
  path 'M 22,66 C 16,58 28,54 22,46'
  path 'M 40,66 C 34,58 46,54 40,46'
  path 'M 58,66 C 52,58 64,54 58,46'
  fill #B8B8B0 stroke #6E6E66 stroke-width 2 polygon 6,72 76,72 70,88 12,88
  fill #FFFFFF stroke #6E6E66 stroke-width 2 roundrectangle 80,40 88,82 4,4
  fill #E53935 stroke none rectangle 82,56 86,80 circle 84,82 84,87
" -strip site.png

echo "Wrote app/resources/brackmere.png and app/resources/site.png"

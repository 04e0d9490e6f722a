#!/usr/bin/env bash
# Compiles the help sources in help/src into help/brackmere.chm.
# Run it after editing a help page and commit the compiled file with the sources:
# the normal build only copies help/brackmere.chm and needs no help compiler.
# With --images it first redraws the pictures (needs python3 and ImageMagick).
set -euo pipefail
cd "$(dirname "$0")/../help/src"

if [ "${1:-}" = "--images" ]; then
  for picture in nomograph scenarios; do
    python3 images/draw_images.py "$picture" > "images/$picture.mvg"
    convert -density 96 "mvg:images/$picture.mvg" -strip -colors 64 "PNG8:images/$picture.png"
    rm "images/$picture.mvg"
  done
fi

if ! command -v chmcmd >/dev/null; then
  echo "chmcmd not found: install fp-utils (Debian) to compile the help." >&2
  exit 1
fi
chmcmd --verbosity 1 brackmere.hhp
mv brackmere.chm ../brackmere.chm
echo "Wrote help/brackmere.chm"

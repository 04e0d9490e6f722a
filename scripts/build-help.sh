#!/usr/bin/env bash
# Compiles the help sources in help/src into help/brackmere.chm (English) and one file per
# language, help/brackmere_<language>.chm, from the pages translated under help/src/<language>/;
# a page not translated yet is the English one with a note at its top.
# Run it after editing a help page and commit the compiled files with the sources:
# the normal build only copies them and needs no help compiler.
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

# language | the help file's language code and name | title | the note on an English page
languages=(
  "es|0xc0a Spanish (Modern Sort)|Ayuda de Brackmere|Esta página aún no está traducida: se muestra en inglés."
  "fr|0x40c French (France)|Aide de Brackmere|Cette page n'est pas encore traduite : elle s'affiche en anglais."
  "de|0x407 German (Germany)|Brackmere-Hilfe|Diese Seite ist noch nicht übersetzt und erscheint auf Englisch."
)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for entry in "${languages[@]}"; do
  IFS='|' read -r language code title note <<<"$entry"
  rm -rf "${work:?}"/*
  cp -r brackmere.css brackmere.hhc images ./*.htm "$work/"
  for page in ./*.htm; do
    if [ -f "$language/$page" ]; then
      cp "$language/$page" "$work/$page"
    else
      sed "s|<body>|<body>\n<p class=\"untranslated\">$note</p>|" "$page" > "$work/$page"
    fi
  done
  cp "$language/brackmere.hhc" "$work/brackmere.hhc"
  sed -e "s|^Compiled file=.*|Compiled file=brackmere_$language.chm|" -e "s|^Language=.*|Language=$code|" \
      -e "s|^Title=.*|Title=$title|" brackmere.hhp > "$work/brackmere.hhp"
  (cd "$work" && chmcmd --verbosity 1 brackmere.hhp)
  mv "$work/brackmere_$language.chm" "../brackmere_$language.chm"
  echo "Wrote help/brackmere_$language.chm"
done

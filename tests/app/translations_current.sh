#!/usr/bin/env bash
# Fails when a text of the program has no translation: runs lupdate over the sources into
# copies of the committed .ts files and looks for entries it had to add or leave unfinished.
# tests/app/translations_current.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/translations/brackmere_*.ts "$work/"
sources=()
for layer in app ui output records settings outlook pour watch; do
  sources+=("$root/$layer"/*.cpp "$root/$layer"/*.h)
done
sources+=("$root/web/texts.js")
"$lupdate" -silent -no-obsolete -locations none -I "$root" "${sources[@]}" -ts "$work"/brackmere_*.ts
status=0
for ts in "$work"/brackmere_*.ts; do
  name=$(basename "$ts")
  if ! cmp -s "$ts" "$root/translations/$name"; then
    echo "$name is not current with the sources (run the update_translations target and translate):"
    diff -u "$root/translations/$name" "$ts" | grep '^[-+] *<source>' | head -20 || true
    status=1
  fi
  if grep -q 'type="unfinished"' "$ts"; then
    echo "$name has unfinished translations"
    status=1
  fi
done
[ $status -eq 0 ] && echo "every text has its translation in $(ls "$work" | tr '\n' ' ')"
exit $status

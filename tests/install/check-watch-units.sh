#!/usr/bin/env bash
# The watch's systemd user units, as systemd reads them, starting the program just built:
#   check-watch-units.sh PACKAGING_FOLDER PROGRAM
# Exits 77 (skipped) where systemd is not installed.
set -euo pipefail
command -v systemd-analyze >/dev/null || { echo "systemd-analyze is not installed (package systemd)"; exit 77; }
units=$(mktemp -d)
trap 'rm -rf "$units"' EXIT
sed "s|@BRACKMERE_PROGRAM@|$2|" "$1/brackmere-watch.service.in" > "$units/brackmere-watch.service"
cp "$1/brackmere-watch.timer" "$units/"
# verify warns of an unknown key without failing: any word about the units fails here.
status=0
messages=$(cd "$units" && XDG_RUNTIME_DIR="$units" systemd-analyze verify --user --man=no \
             ./brackmere-watch.service ./brackmere-watch.timer 2>&1) || status=$?
if [ "$status" -ne 0 ] || grep -q "brackmere-watch" <<<"$messages"; then
  echo "$messages"
  exit 1
fi
grep -q "^OnUnitActiveSec=3h$" "$units/brackmere-watch.timer" || { echo "the timer does not run every 3 hours"; exit 1; }
grep -q "^OnStartupSec=" "$units/brackmere-watch.timer" || { echo "the timer does not run at log-in"; exit 1; }
echo "the watch's service and timer are valid"

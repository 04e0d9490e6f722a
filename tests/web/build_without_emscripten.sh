#!/usr/bin/env bash
# Without emscripten the build script stops at once, says what to install and leaves no folder.
# Usage: build_without_emscripten.sh BUILD_SCRIPT OUT_DIR
set -u
if output=$(EMXX=/nonexistent/em++ bash "$1" "$2" 2>&1); then
  echo "FAILED: the build succeeded without emscripten"; exit 1
fi
grep -q 'apt-get install --no-install-recommends emscripten' <<<"$output" || { echo "FAILED: no install hint in: $output"; exit 1; }
[ ! -e "$2" ] || { echo "FAILED: $2 was made"; exit 1; }
echo "ok: $output"

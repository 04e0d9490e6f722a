#!/usr/bin/env bash
# Builds the field edition, the offline phone page, into web/dist (or the folder given
# as the first argument): the computation core compiled to WebAssembly, the page's
# files, its icons, and a service worker whose cache is named after the build. Every
# run builds the whole folder afresh and then puts it in place, so running it again
# gives the same files.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/web/dist}
emxx=${EMXX:-em++}

if ! command -v "$emxx" >/dev/null 2>&1; then
  echo "build-web.sh: '$emxx' not found. The WebAssembly core needs Debian's emscripten:" >&2
  echo "  apt-get install --no-install-recommends emscripten" >&2
  exit 1
fi
for tool in sha256sum gzip node; do
  command -v "$tool" >/dev/null 2>&1 || { echo "build-web.sh: '$tool' not found" >&2; exit 1; }
done

# A folder that exists is replaced only when an earlier run of this script made it.
marker=.brackmere-web-dist
if [ -e "$out" ] && [ ! -e "$out/$marker" ]; then
  echo "build-web.sh: $out exists and was not built by this script; not replacing it" >&2
  exit 1
fi

mkdir -p "$(dirname "$out")"
stage=$(mktemp -d "$(dirname "$out")/.web-build.XXXXXX")
trap 'rm -rf "$stage"' EXIT

# emcc runs Node scripts that need Debian's acorn, kept in /usr/share/nodejs; a node that
# is not Debian's does not look there by itself. The prebuilt library cache is frozen.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
cd "$root"
"$emxx" -std=c++20 -O2 -Wall -Wextra -Wpedantic --bind \
  -s MODULARIZE=1 -s EXPORT_NAME=BrackmereCore -s ENVIRONMENT=web,node \
  -s FILESYSTEM=0 -s DYNAMIC_EXECUTION=0 \
  -I. web/core/bindings.cpp calc/*.cpp -o "$stage/brackmere-core.js"

cp web/page/index.html web/page/style.css web/page/manifest.webmanifest web/page/*.js "$stage/"
# The page's texts in every language, from the program's catalogues (Node, which emcc runs on).
node scripts/ts-to-json.mjs "$stage/i18n.json" translations/brackmere_*.ts
rm "$stage/sw.js"
cp packaging/icons/256/org.brackmere.Brackmere.png "$stage/icon-256.png"
cp packaging/icons/org.brackmere.Brackmere.svg "$stage/icon.svg"

# The build id is the digest of every file the worker caches, names and contents, so a
# changed file makes a new worker and a new cache, and an unchanged build the same ones.
files=$(cd "$stage" && LC_ALL=C ls -1 | grep -v '^sw\.js$')
build_id=$(cd "$stage" && for f in $files; do printf '%s\n' "$f"; cat "$f"; done | sha256sum | cut -c1-16)
list="\"./\""
for f in $files; do list="$list, \"$f\""; done
sed -e "s/__BUILD_ID__/$build_id/" -e "s|__FILES__|[$list]|" web/page/sw.js > "$stage/sw.js"
touch "$stage/$marker"
chmod 755 "$stage"

rm -rf "$out"
mv "$stage" "$out"
trap - EXIT

bytes=0
gzipped=0
for f in "$out"/*; do
  bytes=$((bytes + $(stat -c %s "$f")))
  gzipped=$((gzipped + $(gzip -9c "$f" | wc -c)))
done
echo "Built $out (build $build_id)"
echo "Size: $bytes bytes, $gzipped bytes gzip-compressed (each file compressed as served)"

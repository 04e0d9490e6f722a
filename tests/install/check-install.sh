#!/usr/bin/env bash
# The install tree as a user gets it: every file in place, the menu entry and the
# AppStream metadata valid, the installed program answering --version and, on its first
# start, making its records file in the user's data folder.
#   check-install.sh BUILD_FOLDER VERSION
set -euo pipefail
build=$1
version=$2
prefix=$(mktemp -d)
home=$(mktemp -d)
trap 'rm -rf "$prefix" "$home"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
id=org.brackmere.Brackmere
for file in bin/brackmere share/brackmere/brackmere.chm share/applications/$id.desktop \
            share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
            share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/256x256/apps/$id.png \
            share/man/man1/brackmere.1.gz lib/systemd/user/brackmere-watch.service \
            lib/systemd/user/brackmere-watch.timer; do
  [ -f "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml"

grep -qx "ExecStart=$prefix/bin/brackmere --watch --notify" "$prefix/lib/systemd/user/brackmere-watch.service" ||
  { echo "the watch's service does not start the installed program"; exit 1; }

printed=$("$prefix/bin/brackmere" --version)
[ "$printed" = "brackmere $version" ] || { echo "--version printed \"$printed\""; exit 1; }

# Started, the window runs until it is ended; timeout ends it after 5 s (status 124).
status=0
XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" QT_QPA_PLATFORM=offscreen \
  timeout 5 "$prefix/bin/brackmere" || status=$?
[ "$status" -eq 124 ] || { echo "the installed program ended with status $status"; exit 1; }
[ -s "$home/data/Brackmere/Brackmere_Data.mdb" ] || { echo "no records file in the user's data folder"; exit 1; }
echo "install tree complete and valid; brackmere $version runs from it"

#!/bin/sh
# Runs a command against a Secret Service of its own: gnome-keyring-daemon on the session
# bus that dbus-run-session started, its login keyring unlocked in a folder removed after.
set -eu
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_DATA_HOME="$home/data" XDG_CACHE_HOME="$home/cache" XDG_CONFIG_HOME="$home/config"
export XDG_RUNTIME_DIR="$home"
printf brackmere | gnome-keyring-daemon --unlock --components=secrets >/dev/null
"$@"

#!/usr/bin/env bash
# Starts the built calculator on a private X server, types a worked case into it
# and saves a screenshot of the window: scripts/screenshot.sh [out.png] [air rh concrete wind]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
inputs=("${@:2}")
[ ${#inputs[@]} -eq 4 ] || inputs=(80 50 90 10)

display=:97
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
xvfb=$!
trap 'kill "$app" 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display QT_QPA_PLATFORM=xcb build/brackmere &
app=$!
sleep 2
window=$(DISPLAY=$display xdotool search --sync --name "Brackmere - Concrete" | head -1)
# Tab order starts at the air-temperature box.
DISPLAY=$display xdotool windowfocus --sync "$window"
for value in "${inputs[@]}"; do
  DISPLAY=$display xdotool type --delay 30 "$value"
  DISPLAY=$display xdotool key Tab
done
sleep 1
eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$window")"
DISPLAY=$display import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$out"
echo "saved $out"

#!/usr/bin/env bash
# Starts the built calculator on a private X server, types a worked case into it
# and saves a screenshot of the window: scripts/screenshot.sh [out.png] [air rh concrete wind]
# The readings must lie in their ranges. The language follows LANGUAGE/LANG (LANGUAGE=es for
# Spanish), the scale QT_SCALE_FACTOR (with a larger SCREEN, e.g. 1800x1300, at 2); BRACKMERE_PROGRAM
# names another build of the program.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
inputs=("${@:2}")
[ ${#inputs[@]} -eq 4 ] || inputs=(80 50 90 10)

display=${SCREENSHOT_DISPLAY:-:97}
# Settings of its own, so that a language chosen in the menu before does not decide.
settings=$(mktemp -d)
Xvfb "$display" -screen 0 "${SCREEN:-1280x1024}x24" -nolisten tcp &
xvfb=$!
trap 'kill "$app" 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true; rm -rf "$settings"' EXIT
sleep 1
DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$settings "${BRACKMERE_PROGRAM:-build/brackmere}" &
app=$!
sleep 2
window=$(DISPLAY=$display xdotool search --sync --onlyvisible --name "^Brackmere - " | head -1)
# Tab order starts at the air-temperature box.
DISPLAY=$display xdotool windowfocus --sync "$window"
for value in "${inputs[@]}"; do
  DISPLAY=$display xdotool type --delay 30 "$value"
  # Past the reading's scroll bar, which the keyboard reaches once the reading is in range.
  DISPLAY=$display xdotool key Tab Tab
done
sleep 1
eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$window")"
DISPLAY=$display import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$out"
echo "saved $out"

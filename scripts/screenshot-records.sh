#!/usr/bin/env bash
# Starts the built calculator on a private X server with a sample records file of both
# unit systems and every kind of source, opens the records viewer and saves a screenshot
# of it in each choice of "Show in": scripts/screenshot-records.sh [program] [folder]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/brackmere}
out=${2:-docs}
work=$(mktemp -d)
display=:96
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp &
xvfb=$!
app=
trap 'kill "$app" 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT

python3 - "$work/records.mdb" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("CREATE TABLE tblBrackmere (RecID INTEGER PRIMARY KEY AUTOINCREMENT, RecordDate TEXT, RecordTime TEXT,"
           " AirTemp TEXT, ConcreteTemp TEXT, RH TEXT, WindVelocity TEXT, EvapRate TEXT, RateNote TEXT,"
           " MiscNote TEXT, RateThreshold REAL, Units TEXT DEFAULT 'US', Site TEXT, SavedBy TEXT, CopiedFrom TEXT,"
           " Source TEXT, ConcreteRule TEXT, WindFactor TEXT)")
forecast = "Pour-day outlook: Forecast for North Pier"
rows = [
    ("5/30/25", "4:45:00 PM", "65", "70", "55", "4", "0.05", "OK", "", 0.2, "US", "", "kim", "", "", ""),
    ("6/2/25", "7:00:00 AM", "80", "90", "50", "10", "0.241", "Measures shall be taken.", "Slab 3, east bay", 0.2,
     "US", "North Pier", "kim", "Typed", "", ""),
    ("6/2/25", "9:00:00 AM", "26.7", "26.7", "48", "10.4", "0.63", "Measures may be needed.", forecast, 1.0, "SI",
     "North Pier", "lee", "Forecast", "air + 0.0 °C", "0.65"),
    ("6/2/25", "10:00:00 AM", "28.2", "28.2", "44", "11.6", "0.77", "Measures may be needed.", forecast, 1.0, "SI",
     "North Pier", "lee", "Forecast", "air + 0.0 °C", "0.65"),
    ("6/3/25", "8:15:00 AM", "72", "75", "60", "6", "0.079", "OK", "Curing compound on", 0.2, "US", "South Quay",
     "kim", "Typed", "", ""),
    ("6/3/25", "2:03:00 PM", "27", "32", "50", "16", "1.14", "Measures shall be taken.", "Second pour, 12 m³", 0.8,
     "SI", "Zürich Süd", "kim", "Field log", "", ""),
    ("6/4/25", "11:30:00 AM", "88", "95", "35", "12", "0.402", "Measures shall be taken.",
     "Windbreak up; fog spray ready", 0.2, "US", "South Quay", "pat", "Imported", "", ""),
]
db.executemany("INSERT INTO tblBrackmere (RecordDate, RecordTime, AirTemp, ConcreteTemp, RH, WindVelocity, EvapRate,"
               " RateNote, MiscNote, RateThreshold, Units, Site, SavedBy, Source, ConcreteRule, WindFactor)"
               " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)", rows)
db.commit()
PY

sleep 1
export DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$work
BRACKMERE_RECORDS=$work/records.mdb "$program" &
app=$!
window=$(xdotool search --sync --name "Brackmere - Concrete" | head -1)
xdotool windowfocus --sync "$window"
# With no readings the tab order runs air, humidity, concrete, wind, threshold, then the records button.
xdotool key Tab Tab Tab Tab Tab space
viewer=$(xdotool search --sync --name "^Saved Records$" | head -1)
xdotool windowmove "$viewer" 0 0
xdotool windowsize "$viewer" 1580 600
sleep 1
for mode in US SI "As saved"; do
  xdotool windowfocus --sync "$viewer"
  # Alt+I chooses "Show in"; typing a choice's first letter selects it (a blank would open the list).
  xdotool key alt+i
  xdotool type --delay 40 "${mode:0:1}"
  sleep 1
  name=$(echo "$mode" | tr 'A-Z ' 'a-z-')
  eval "$(xdotool getwindowgeometry --shell "$viewer")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$out/records-viewer-$name.png"
  echo "saved $out/records-viewer-$name.png"
done

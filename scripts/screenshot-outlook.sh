#!/usr/bin/env bash
# Starts the built calculator on a private 1024 × 768 X server with a kept forecast of a
# hot week, opens the pour-day outlook on it and saves a screenshot of the whole screen:
# scripts/screenshot-outlook.sh [program] [out.png]
# The language follows LANGUAGE/LANG: LANGUAGE=es scripts/screenshot-outlook.sh build/brackmere docs/outlook-es.png
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/brackmere}
out=${2:-docs/outlook.png}
work=$(mktemp -d)
display=:95
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb=$!
app=
trap 'kill "$app" 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT

# A week from tomorrow at the site: warm afternoons, dry and windy enough to need measures.
python3 - "$work" <<'PY'
import datetime, json, math, os, sys
work = sys.argv[1]
start = datetime.date.today() + datetime.timedelta(days=1)
times, air, rh, wind = [], [], [], []
for h in range(168):
    day, hour = divmod(h, 24)
    warm = max(0.0, math.sin((hour - 8) / 24 * 2 * math.pi))
    first = datetime.datetime.combine(start, datetime.time(hour=10))
    times.append((first + datetime.timedelta(hours=h)).strftime("%Y-%m-%dT%H:%M"))
    warm = max(0.0, math.sin((hour + 10 - 8) / 24 * 2 * math.pi))
    air.append(round(18 + 13 * warm + (day % 3), 1))
    rh.append(round(75 - 48 * warm, 0))
    wind.append(round(6 + 16 * warm + 4 * (day % 2), 1))
answer = {"latitude": 47.3769, "longitude": 8.5417, "utc_offset_seconds": 3600, "timezone": "Europe/Zurich",
          "timezone_abbreviation": "CET",
          "hourly_units": {"time": "iso8601", "temperature_2m": "°C", "relative_humidity_2m": "%",
                           "wind_speed_10m": "km/h"},
          "hourly": {"time": times, "temperature_2m": air, "relative_humidity_2m": rh, "wind_speed_10m": wind}}
kept = {"latitude": 47.3769, "longitude": 8.5417,
        "fetched": datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%dT%H:%M:%S.000Z"), "answer": answer}
for folder in ("data/Brackmere/forecasts", "data/Brackmere/Brackmere/forecasts"):
    os.makedirs(os.path.join(work, folder))
    with open(os.path.join(work, folder, "forecast_47.3769_8.5417.json"), "w") as f:
        json.dump(kept, f)
os.makedirs(os.path.join(work, "config/Brackmere"))
with open(os.path.join(work, "config/Brackmere/Brackmere.ini"), "w") as f:
    f.write("[outlook]\nsites\\1\\name=North slab\nsites\\1\\latitude=47.3769\nsites\\1\\longitude=8.5417\n"
            "sites\\size=1\nserver=https://forecast.example.org\n")
import sqlite3
db = sqlite3.connect(os.path.join(work, "records.mdb"))
db.execute("CREATE TABLE tblBrackmere (RecID INTEGER PRIMARY KEY AUTOINCREMENT, RecordDate TEXT, RecordTime TEXT,"
           " AirTemp TEXT, ConcreteTemp TEXT, RH TEXT, WindVelocity TEXT, EvapRate TEXT, RateNote TEXT,"
           " MiscNote TEXT, RateThreshold REAL)")
db.commit()
PY

sleep 1
export DISPLAY=$display QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data TZ=Europe/Zurich
BRACKMERE_RECORDS=$work/records.mdb "$program" &
app=$!
sleep 2
window=$(xdotool search --sync --onlyvisible --name "^Brackmere - " | head -1)
xdotool windowfocus --sync "$window"
xdotool key ctrl+o
# The outlook's title in each language the program speaks.
outlook=$(xdotool search --sync --onlyvisible --name \
  "^(Pour-Day Outlook|Pronóstico del día de colado|Prévisions du jour de coulage|Ausblick Betoniertag)$" | head -1)
xdotool windowmove "$outlook" 0 0
sleep 1
eval "$(xdotool getwindowgeometry --shell "$outlook")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$out"
echo "saved $out"

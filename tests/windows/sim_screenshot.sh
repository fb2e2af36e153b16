#!/usr/bin/env bash
# A picture of kolvar-sim.exe under wine for the docs: its three windows,
# drawn by wine with their frames and titles as on Windows, after "Старт
# системы" and CYCLES control cycles at sixty times real speed (1800 by
# default: a minute of real time, an hour of the column's), then closed as
# the operator closes it.
#   sim_screenshot.sh KOLVAR_SIM_EXE OUT_PNG CLOSE_WINDOW_EXE [CYCLES]
# Needs wine, xvfb-run (unless DISPLAY is set), x11-utils and ImageMagick.
# KOLVAR_WINE names the wine that runs the program (wine by default; ./dev
# names wine64 where 32-bit programs cannot run).
set -eu
exe=$1 out=$2 closer=$3 cycles=${4:-1800}
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
wine=${KOLVAR_WINE:-wine}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$@"
fi
exe=$(realpath "$exe") closer=$(realpath "$closer") out=$(realpath -m "$out")
mkdir -p "$(dirname "$out")"
work=$(mktemp -d)
trap '"$wine" reg delete "HKCU\\Software\\Wine\\X11 Driver" /v Managed /f >/dev/null 2>&1; rm -rf "$work"' EXIT
cd "$work"
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
KOLVAR_TEST_EVENTS=1 KOLVAR_TEST_SPEED=60 KOLVAR_TEST_CLICKS=Start_sys_button \
  "$wine" "$exe" >events.txt 2>stderr.txt &
pid=$!
# Until enough cycles ran; a program that stops cycling gives up after two
# minutes without a new one.
ran() { grep -c ' cycle ' events.txt || true; }
last=0 still=0
while [ "$(ran)" -lt "$cycles" ]; do
  kill -0 $pid 2>/dev/null || { cat stderr.txt; exit 1; }
  now=$(ran)
  if [ "$now" = "$last" ]; then still=$((still + 1)); else still=0 last=$now; fi
  [ $still -lt 1200 ] || { echo "no cycle for two minutes" >&2; break; }
  sleep 0.1
done
# The screen, cut to where the windows are.
import -window root "$work/screen.png"
convert "$work/screen.png" -trim +repage -bordercolor black -border 8 "$out"
"$wine" "$closer" KolvarMain
wait $pid
echo "$out"

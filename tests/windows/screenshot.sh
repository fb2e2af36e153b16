#!/usr/bin/env bash
# A picture of a Windows program's main window under wine, for the docs:
# started in a fresh folder on fake ports (no box about the port), drawn by
# wine itself with its frame and title as on Windows, then closed as the
# operator closes it.
#   screenshot.sh PROGRAM_EXE OUT_PNG CLOSE_WINDOW_EXE [WINDOW_CLASS]
# WINDOW_CLASS defaults to KolvarMain. Needs wine, xvfb-run (unless DISPLAY
# is set), xdotool, x11-utils and ImageMagick's import.
# KOLVAR_WINE names the wine that runs the program (wine by default; ./dev
# names wine64 where 32-bit programs cannot run).
set -eu
exe=$1 out=$2 closer=$3 class=${4:-KolvarMain}
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
KOLVAR_TEST_PORT=fake "$wine" "$exe" >events.txt 2>stderr.txt &
pid=$!
for _ in $(seq 600); do
  grep -q ' shown' events.txt && break
  kill -0 $pid 2>/dev/null || { cat stderr.txt; exit 1; }
  sleep 0.1
done
# The largest window of the program is its main one.
window=$(for w in $(xdotool search --onlyvisible --class "$(basename "$exe")"); do
  echo "$(xwininfo -id "$w" | sed -n 's/^ *Width: //p') $w"
done | sort -n | tail -n 1 | cut -d' ' -f2)
import -window "$window" "$out"
"$wine" "$closer" "$class"
wait $pid
echo "$out"

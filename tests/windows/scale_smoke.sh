#!/usr/bin/env bash
# The real kolvar.exe under wine: Ctrl++ makes its window larger, and the
# next start finds the scale again. The scale is kept in a temporary APPDATA,
# never in the prefix's own, where the other tests' windows would find it.
#   scale_smoke.sh KOLVAR_EXE WINDOW_TOOL_EXE WORKDIR DEFAULT_WINEPREFIX
# Runs on the display it is given (CTest under xvfb-run), or opens one.
# KOLVAR_WINE names the wine that runs the program (wine by default).
set -u
exe=$1 tool=$2 work=$3
export WINEPREFIX=${WINEPREFIX:-$4} WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
wine=${KOLVAR_WINE:-wine}
command -v "$wine" >/dev/null || { echo "SKIPPED: $wine is not installed"; exit 77; }
if [ -z "${DISPLAY:-}" ]; then
  command -v xvfb-run >/dev/null || { echo "SKIPPED: no display and no xvfb-run"; exit 77; }
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$@"
fi
rm -rf "$work" && mkdir -p "$work/appdata" && cd "$work" || exit 1
exe=$(realpath "$exe") tool=$(realpath "$tool")
conf=appdata/Kolvar/window.conf

fail() {
  echo "FAIL: $*"
  echo "--- events"; cat events.txt
  echo "--- stderr"; cat stderr.txt
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  exit 1
}

# wait_for CONDITION...: until it holds or the program has ended; gives up
# after a minute.
wait_for() {
  for _ in $(seq 600); do
    "$@" && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# The main window's inside width in pixels.
width() { "$wine" "$tool" origin KolvarMain 2>/dev/null | cut -d' ' -f3; }

# One start, on fake ports, with APPDATA here: wine sets APPDATA for every
# program it starts, so the start goes through its shell, which changes it.
start() {
  rm -f events.txt
  KOLVAR_TEST_PORT=fake "$wine" cmd /c "set APPDATA=$("$wine" winepath -w appdata 2>/dev/null)&& $("$wine" winepath -w "$exe" 2>/dev/null)" \
    >events.txt 2>stderr.txt &
  pid=$!
  wait_for grep -qs ' shown' events.txt || fail "the window was never painted"
}

close() {
  "$wine" "$tool" close KolvarMain || fail "no window of the class KolvarMain to close"
  for _ in $(seq 600); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "still running after it was closed"
  wait "$pid" || fail "exit code $? after closing"
}

start
first=$(width)
[ -n "$first" ] && [ "$first" -gt 100 ] || fail "no main window to measure ($first)"
"$wine" "$tool" ctrl KolvarMain + || fail "the keys could not be typed"
grown() { [ "$(width)" -gt "$first" ]; }
wait_for grown || fail "Ctrl++ left the window $(width) pixels wide"
larger=$(width)
close
grep -qx 'scale=125' "$conf" || fail "the scale was not remembered: $(cat "$conf" 2>&1)"

start
[ "$(width)" = "$larger" ] || fail "the next start is $(width) pixels wide, not $larger"
close
echo "scale smoke test passed: $first to $larger pixels, remembered"

#!/usr/bin/env bash
# Starts the real kolvar-sim.exe under wine in a fresh folder, on the display
# the tests run on (or a virtual one of its own): its three windows must
# appear, "mytunes.log" must be written with the simulated log's path, and
# after "Старт системы" the log and the run's record must grow with the
# model's clock at ten times real speed. Closing it as the system would
# (WM_CLOSE to its main window) must end it with the column stopped and the
# record kept. Every wait is bounded by what the program does, not by time.
#   sim_smoke.sh KOLVAR_SIM_EXE CLOSE_WINDOW_EXE WORKDIR DEFAULT_WINEPREFIX
# KOLVAR_WINE names the wine that runs the program (wine by default; ./dev
# names wine64 where 32-bit programs cannot run).
set -u
program=$1 closer=$2 work=$3
export WINEPREFIX=${WINEPREFIX:-$4} WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
wine=${KOLVAR_WINE:-wine}
if ! command -v "$wine" >/dev/null || ! command -v xwininfo >/dev/null; then
  echo "SKIPPED: wine or xwininfo (x11-utils) is not installed"
  exit 77
fi
if [ -z "${DISPLAY:-}" ]; then
  command -v xvfb-run >/dev/null || { echo "SKIPPED: no display and no xvfb-run"; exit 77; }
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$@"
fi
export LC_ALL=C.UTF-8
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1

fail() {
  echo "FAIL: $*"
  echo "--- events"; cat events.txt
  echo "--- stderr"; cat stderr.txt
  echo "--- windows"; xwininfo -root -tree | grep -i kolvar
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  exit 1
}

# wait_for CONDITION...: until CONDITION holds, or the program has ended, or
# two minutes went by with nothing (wine's first start in a prefix is slow).
wait_for() {
  for _ in $(seq 1200); do
    "$@" && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

window_shown() { xwininfo -root -tree | grep -q "\"$1\""; }
# The main window's title is the form's caption, which the run changes: it is
# the program's one other named window of a window's size.
main_shown() {
  xwininfo -root -tree | grep '("kolvar-sim.exe"' | grep -v -e 'has no name' -e '"Default IME"' \
    -e '"Симулятор колонны — Kolvar"' -e '"График — Kolvar"' |
    awk '{ for (i = 1; i <= NF; i++) if ($i ~ /^[0-9]+x[0-9]+\+/) { split($i, s, /[x+]/); if (s[1] > 200 && s[2] > 200) found = 1 } }
         END { exit !found }'
}
# What the program printed, without the CR that a Windows program's text
# output puts before each line's end.
events() { tr -d '\r' <events.txt; }
cycles() { events | grep -c ' cycle '; }
cycles_at_least() { [ "$(cycles)" -ge "$1" ]; }

KOLVAR_TEST_EVENTS=1 KOLVAR_TEST_SPEED=10 KOLVAR_TEST_CLICKS="Start_sys_button" \
  "$wine" "$program" >events.txt 2>stderr.txt &
pid=$!

shown() { events | grep -q ' shown$'; }
wait_for shown || fail "the main window was never painted"
wait_for main_shown || fail "no main window on the display"
wait_for window_shown "Симулятор колонны — Kolvar" || fail "no simulator window on the display"
wait_for window_shown "График — Kolvar" || fail "no plot window on the display"
[ -f mytunes.log ] || fail "mytunes.log was not written"
grep -aq '^keeper.log' mytunes.log || fail "mytunes.log does not read the simulated log keeper.log"
lines_at_start=$(wc -l <keeper.log)
[ "$lines_at_start" -gt 1000 ] || fail "the column was not brought to the boil first"
wait_for cycles_at_least 10 || fail "only $(cycles) cycles ran"
lines_at_end=$(wc -l <keeper.log)
[ "$lines_at_end" -gt "$lines_at_start" ] || fail "the log did not grow"
# At ten times real speed the cycles still come every 2 s of the model's time.
first=$(events | grep ' cycle ' | head -n 1 | cut -c2- | cut -d' ' -f1)
tenth=$(events | grep ' cycle ' | sed -n 10p | cut -c2- | cut -d' ' -f1)
[ $((tenth - first)) = 18000 ] || fail "ten cycles took $((tenth - first)) ms of the model's time"
head=$(events | grep ' cycle ' | head -n 1 | awk '{print $3}')
awk -v t="$head" 'BEGIN { exit !(t > 75 && t < 82) }' || fail "the head reads '$head' at the first cycle"

# Closed as the title bar's close button would close it: WM_CLOSE to the main window.
"$wine" "$closer" KolvarMain || fail "the main window (class KolvarMain) was not found to close"
ended() { ! kill -0 "$pid" 2>/dev/null; }
for _ in $(seq 600); do ended && break; sleep 0.1; done
ended || fail "still running after WM_CLOSE"
wait "$pid"
code=$?
[ "$code" = 0 ] || fail "exit code $code after WM_CLOSE"
record=$(ls runs/*.csv 2>/dev/null | head -n 1)
[ -n "$record" ] || fail "the run was not recorded in runs/"
rows=$(sed -n '/^wall_time,/,$p' "$record" | tail -n +2 | wc -l)
[ "$rows" -ge 10 ] || fail "$record holds $rows rows"
echo "Windows simulator smoke test passed: $(cycles) cycles, head $head, log $lines_at_end lines, record $rows rows"

#!/usr/bin/env bash
# Starts the real kolvar-sim under Xvfb in a fresh folder: the main window
# and the simulator's window must appear, "mytunes.log" must be written with
# the simulated log's path, the column must already be distilling, and after
# "Старт системы" the log must grow while the cycle reads it, with the
# model's clock running ten times as fast as real time. SIGTERM must end the
# program cleanly, leaving the run's record in runs/.
#   sim_smoke.sh KOLVAR_SIM WORKDIR
set -u
program=$1 work=$2
common=$(cd "$(dirname "$0")" && pwd)/smoke_common.sh
. "$common"
smoke_begin "$work"

cat >inside.sh <<'INSIDE'
program=$1
. "$2"
smoke_display_is_up
KOLVAR_TEST_EVENTS=1 KOLVAR_TEST_SPEED=10 KOLVAR_TEST_CLICKS="Start_sys_button" "$program" >events.txt 2>stderr.txt &
pid=$!
smoke_wait $pid grep -q ' shown$' events.txt
wc -l <keeper.log >lines-at-start.txt
ten_cycles() { [ "$(grep -c ' cycle ' events.txt)" -ge 10 ]; }
smoke_wait $pid ten_cycles
wc -l <keeper.log >lines-at-end.txt
smoke_end $pid "$(printf '"Симулятор колонны — Kolvar": ("kolvar-sim")\n("kolvar-sim")')"
INSIDE
smoke_in_display 1280x800x24 bash inside.sh "$program" "$common"

grep -q ' shown$' events.txt || fail "the main window was never painted"
grep -q '"Симулятор колонны' windows.txt || fail "no simulator window on the display"
[ "$(grep -c '("kolvar-sim"' windows.txt)" -ge 2 ] || fail "not both windows on the display"
[ -f mytunes.log ] || fail "mytunes.log was not written"
grep -aq '^keeper.log' mytunes.log || fail "mytunes.log does not read the simulated log keeper.log"
[ "$(cat lines-at-start.txt)" -gt 1000 ] || fail "the column was not brought to the boil first"
[ "$(cat lines-at-end.txt)" -gt "$(cat lines-at-start.txt)" ] || fail "the log did not grow"
cycles=$(grep -c ' cycle ' events.txt)
[ "$cycles" -ge 10 ] || fail "only $cycles cycles ran"
# At ten times real speed the cycles still come every 2 s of the model's time.
first=$(grep ' cycle ' events.txt | head -n 1 | cut -c2- | cut -d' ' -f1)
tenth=$(grep ' cycle ' events.txt | sed -n 10p | cut -c2- | cut -d' ' -f1)
[ $((tenth - first)) = 18000 ] || fail "ten cycles took $((tenth - first)) ms of the model's time"
# Already distilling: the head is near the azeotrope from the first cycle on.
head=$(grep ' cycle ' events.txt | head -n 1 | awk '{print $3}')
awk -v t="$head" 'BEGIN { exit !(t > 75 && t < 82) }' || fail "the head reads '$head' at the first cycle"
[ "$(cat exit-code.txt)" = 0 ] || fail "exit code $(cat exit-code.txt) after SIGTERM"
# The program made the run's record itself, plot or no plot.
record=$(ls runs/*.csv 2>/dev/null | head -n 1)
[ -n "$record" ] || fail "the run was not recorded in runs/"
sed -n '/^wall_time,/,$p' "$record" | sed -n 2p | grep -q . || fail "$record holds no row"
echo "simulator smoke test passed: $cycles cycles, head $head, log $(cat lines-at-end.txt) lines"

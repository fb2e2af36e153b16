#!/usr/bin/env bash
# Starts the real kolvar under Xvfb in a fresh folder: the window must
# appear, "mytunes.log" must be created, and SIGTERM must end the program
# cleanly, leaving the stop image on the port while the cycle ran and the
# run's record in runs/.
#   smoke.sh KOLVAR WORKDIR
set -u
kolvar=$1 work=$2
common=$(cd "$(dirname "$0")" && pwd)/smoke_common.sh
. "$common"
smoke_begin "$work"

# Inside the virtual display: ss(3) puts the system-stop output on data
# pin 4, then the cycle starts, then the window is asked to end.
cat >inside.sh <<'INSIDE'
kolvar=$1
. "$2"
smoke_display_is_up
KOLVAR_TEST_PORT=fake KOLVAR_TEST_CLICKS="ss(3) Start_sys_button" "$kolvar" >events.txt 2>stderr.txt &
pid=$!
smoke_wait $pid grep -q ' shown$' events.txt
smoke_end $pid '"kolvar"'
INSIDE
smoke_in_display 1024x768x24 bash inside.sh "$kolvar" "$common"

grep -q ' shown$' events.txt || fail "the window was never painted"
grep -q '"kolvar"' windows.txt || fail "no kolvar window on the display"
[ -f mytunes.log ] || fail "mytunes.log was not created"
[ "$(cat exit-code.txt)" = 0 ] || fail "exit code $(cat exit-code.txt) after SIGTERM"
# The program made the run's record itself, plot or no plot.
record=$(ls runs/*.csv 2>/dev/null | head -n 1)
[ -n "$record" ] || fail "the run was not recorded in runs/"
sed -n '/^wall_time,/,$p' "$record" | sed -n 2p | grep -q . || fail "$record holds no row"
last=$(grep ' port ' events.txt | tail -n 1)
[ "${last##* }" = 4 ] || fail "the last port write is '$last', not the stop image 4"
echo "smoke test passed: $(grep -c ' port ' events.txt) port writes, last: $last"

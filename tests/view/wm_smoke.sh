#!/usr/bin/env bash
# Starts the real program under Xvfb with a window manager (Openbox), as on an
# operator's desktop, and checks what a person would see there: the main
# window kept on top and covering none of the windows beside it, each of
# them on the screen; with kolvar, the port's message box at start owned by
# the main window and standing above it. A picture of the screen is left in
# WORKDIR.
#   wm_smoke.sh kolvar KOLVAR WORKDIR
#   wm_smoke.sh kolvar-sim KOLVAR_SIM WORKDIR
set -u
kind=$1 program=$2 work=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/smoke_common.sh"
if ! command -v openbox >/dev/null; then
  echo "SKIPPED: openbox is not installed (Debian package openbox)"
  exit 77
fi
smoke_begin "$work"

cat >inside.sh <<'INSIDE'
kind=$1 program=$2 here=$3
. "$here/smoke_common.sh"
. "$here/wm_checks.sh"
smoke_display_is_up
openbox --sm-disable >openbox.txt 2>&1 &
wm=$!
if wm_wait_for_wm $wm; then
  if [ "$kind" = kolvar ]; then
    # Both port backends fail: start-up raises the port's message box.
    KOLVAR_TEST_PORT=fail "$program" >events.txt 2>stderr.txt &
  else
    KOLVAR_TEST_EVENTS=1 "$program" >events.txt 2>stderr.txt &
  fi
  pid=$!
  smoke_wait $pid grep -q ' shown$' events.txt
  # Three windows each: the main one, the plot, and the box or the
  # simulator's.
  all_there() { [ "$(wm_stack | wc -w)" -ge 3 ]; }
  smoke_wait $pid all_there
  plot=$(wm_window 'График')
  check plot-shown check_exists "$plot" "plot window"
  case $kind in
    kolvar)
      box=$(wm_dialog)
      check port-box-shown check_exists "$box" "message box"
      main=$(wm_stack | tr ' ' '\n' | grep -v -e "^${plot:-none}$" -e "^${box:-none}$" | head -n 1)
      check main-shown check_exists "$main" "main window"
      check main-on-top check_on_top "$main" "$plot"
      check plot-apart-from-main check_apart "$main" "$plot"
      check plot-on-screen check_on_screen "$plot"
      check port-box-owned-by-main check_owned_by "$box" "$main"
      ;;
    kolvar-sim)
      sim=$(wm_window 'Симулятор колонны')
      check sim-window-shown check_exists "$sim" "simulator window"
      main=$(wm_stack | tr ' ' '\n' | grep -v -e "^${plot:-none}$" -e "^${sim:-none}$" | head -n 1)
      check main-shown check_exists "$main" "main window"
      check main-on-top check_on_top "$main" "$plot" "$sim"
      check sim-window-apart-from-main check_apart "$main" "$sim"
      check plot-apart-from-main check_apart "$main" "$plot"
      check plot-apart-from-sim-window check_apart "$sim" "$plot"
      check sim-window-on-screen check_on_screen "$sim"
      check plot-on-screen check_on_screen "$plot"
      # Ctrl++ twice from 100 %: the whole window grows, stays on top, and
      # the windows beside it make room.
      width=$(wm_width "$main")
      if wm_keys "$main" ctrl+plus ctrl+plus; then
        check scaled-wider check_wider "$main" "$width"
        check scaled-main-on-top check_on_top "$main" "$plot" "$sim"
        check scaled-sim-window-apart-from-main check_apart "$main" "$sim"
        check scaled-plot-apart-from-main check_apart "$main" "$plot"
      else
        echo "FAIL scaled-wider: no keys could be sent (xdotool)" >>checks.txt
      fi
      ;;
  esac
  wm_picture
  xwininfo -root -tree >windows.txt
  kill -TERM $pid
  wait $pid
  echo $? >exit-code.txt
else
  echo "FAIL window-manager: openbox did not start" >>checks.txt
fi
kill -TERM $wm 2>/dev/null
wait $wm 2>/dev/null
INSIDE
# A screen a little smaller than a usual one: all three windows side by side
# need some of the room there is.
smoke_in_display 1280x1024x24 bash inside.sh "$kind" "$program" "$here"

[ -f checks.txt ] || fail "no check ran"
cat checks.txt
grep -q '^FAIL' checks.txt && fail "$(grep '^FAIL' checks.txt | head -n 1)"
[ "$(cat exit-code.txt 2>/dev/null)" = 0 ] || fail "exit code $(cat exit-code.txt 2>/dev/null) after SIGTERM"
echo "window manager smoke test passed: $(grep -c '^PASS' checks.txt) checks"

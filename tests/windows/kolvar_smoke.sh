#!/usr/bin/env bash
# Starts the real kolvar.exe under wine in a fresh folder with no port
# library in reach: the window must appear on top, at the form's size, with
# the system's port box above it, and end when closed.
#   kolvar_smoke.sh KOLVAR_EXE WORKDIR DEFAULT_WINEPREFIX CLOSE_WINDOW_EXE
# Runs on the display it is given (CTest under xvfb-run), or opens one.
# KOLVAR_WINE names the wine that runs the program (wine by default; ./dev
# names wine64 where 32-bit programs cannot run).
set -u
exe=$1 work=$2 closer=$4
export WINEPREFIX=${WINEPREFIX:-$3} WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
wine=${KOLVAR_WINE:-wine}
for tool in "$wine" xdotool xwininfo xprop; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed"
    exit 77
  fi
done
if [ -z "${DISPLAY:-}" ]; then
  command -v xvfb-run >/dev/null || { echo "SKIPPED: no display and no xvfb-run"; exit 77; }
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "$@"
fi
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1

fail() {
  echo "FAIL: $*"
  echo "--- events"; cat events.txt
  echo "--- stderr"; cat stderr.txt
  exit 1
}

# wait_for PID CONDITION...: until CONDITION holds or the program has ended;
# gives up after a minute only if nothing comes.
wait_for() {
  local pid=$1
  shift
  for _ in $(seq 600); do
    "$@" && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# The window of the program that is neither a box (titled "Kolvar"), the
# plot beside it ("График — Kolvar") nor one of wine's own.
main_window() {
  local name
  for w in $(xdotool search --onlyvisible --class kolvar.exe 2>/dev/null); do
    name=$(xdotool getwindowname "$w")
    [ "$name" = Kolvar ] && continue
    [ "${name% — Kolvar}" != "$name" ] && continue
    [ "$(xwininfo -id "$w" | sed -n 's/^ *Width: //p')" -gt 100 ] && { echo "$w"; return 0; }
  done
  return 1
}

# run MANAGED: one start of the program. Wine lets a window manager frame a
# managed window (none here, so its X window is the inside alone, with the
# state asked of the manager in _NET_WM_STATE); it draws an unmanaged one
# itself, frame and title included, so the X window has the outer size.
run() {
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$1" /f >/dev/null 2>&1
  rm -f events.txt
  KOLVAR_TEST_PORT=real "$wine" "$exe" >events.txt 2>stderr.txt &
  pid=$!
  wait_for $pid grep -q ' shown' events.txt || fail "the window was never painted"
  wait_for $pid grep -q ' msgbox ' events.txt || fail "no message box"
  wait_for $pid main_window >/dev/null || fail "no main window on the display"
  window=$(main_window)
}

# Closing the window (WM_CLOSE), as the operator would; the program must end
# by itself.
close() {
  "$wine" "$closer" KolvarMain || fail "no window of the class KolvarMain to close"
  for _ in $(seq 600); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  kill -0 $pid 2>/dev/null && { kill $pid; fail "still running after it was closed"; }
  wait $pid
  local status=$?
  [ $status = 0 ] || fail "exit code $status after closing"
}
trap "\"\$wine\" reg delete 'HKCU\\Software\\Wine\\X11 Driver' /v Managed /f >/dev/null 2>&1" EXIT

run Y
# The start-up's port box, the system's own text, as no library was found.
grep -qF 'msgbox "LPT driver error\r\nIstall dlportio.dll or inpout32.dll"' events.txt ||
  fail "not the box for missing port libraries"
on_top() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
wait_for $pid on_top || fail "the window is not on top"
box_window() { xdotool search --onlyvisible --name '^Kolvar$' 2>/dev/null | head -n 1 | grep .; }
wait_for $pid box_window >/dev/null || fail "no box titled Kolvar on the display"
box=$(box_window)
xprop -id "$box" WM_TRANSIENT_FOR | grep -qi "$(printf '0x%x' "$window")" ||
  fail "the box is not owned by the window"
[ -f mytunes.log ] || fail "mytunes.log was not created"
close

# 4185 x 5605 twips at 96 dots per inch, and the status line under the form.
run N
width=$(xwininfo -id "$window" | sed -n 's/^ *Width: //p')
height=$(xwininfo -id "$window" | sed -n 's/^ *Height: //p')
[ "$width" = 279 ] || fail "the window is $width pixels wide, not 279"
[ "$height" -gt 374 ] && [ "$height" -le 414 ] || fail "the window is $height pixels high, not 374 and a status line"
close
echo "smoke test passed: ${width}x${height}, on top, port box shown"

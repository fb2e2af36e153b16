#!/usr/bin/env bash
# The 64-bit installer as a Windows user meets it, under wine on a virtual
# display: a silent install into a fresh wine prefix; kolvar.exe started from
# its Start-menu entry in Documents\Kolvar; the installed kolvar-sim.exe in a
# fresh folder with all its windows, "Старт системы" clicked where the button
# is, the log and the run's record growing, then closed as a window is
# closed; the temperature logger with its Start-menu entry and a sample
# configuration that a second install leaves as the user made it; last a
# silent uninstall, which leaves Documents\Kolvar.
#   installer_smoke.sh SETUP WORKDIR [PICTURES]
# PICTURES, when given, is a folder for pictures of the screen with each
# program's windows (windows-kolvar.png, windows-kolvar-sim.png).
# WINDOW_TOOL names the build's window_tool.exe (tests/windows) when it is not
# in build-windows of this source tree. KOLVAR_WINE names the wine to run
# the setup with (wine by default).
set -u
setup=$(realpath "$1")
work=$2
pictures=${3:+$(realpath "$3")}
here=$(cd "$(dirname "$0")" && pwd)
tool=$(realpath "${WINDOW_TOOL:-$here/../../build-windows/tests/windows/window_tool.exe}")

wine=${KOLVAR_WINE:-wine}
for needed in "$wine" xvfb-run xwininfo xdotool; do
  command -v "$needed" >/dev/null || { echo "FAIL: $needed is not installed"; exit 1; }
done
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1

fail() {
  echo "FAIL: $*"
  for f in sim/stderr.txt sim/events.txt; do
    [ -s "$f" ] && { echo "--- $f"; tail -n 20 "$f"; }
  done
  exit 1
}

# A prefix of its own, and a home of its own: wine links the user's
# Documents to folders of the home it finds.
export WINEPREFIX=$PWD/wine HOME=$PWD/home WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export XDG_CONFIG_HOME=$HOME/.config LANG=C.UTF-8
mkdir -p "$HOME"
# Whatever happens, nothing of this prefix outlives the test.
trap 'wineserver -k 2>/dev/null' EXIT
"$wine" wineboot --init >/dev/null 2>&1
# Waits for every program of the prefix to end, for at most two minutes.
settle() { timeout 120 wineserver -w; }

"$wine" "$setup" /S || fail "the silent install ended with $?"
settle
user=$(ls "$WINEPREFIX/drive_c/users" | grep -vx Public | head -n 1)
profile=$WINEPREFIX/drive_c/users/$user
install=$profile/AppData/Local/Programs/Kolvar
menu=$profile/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs
documents=$(realpath "$profile/Documents")
for f in bin/kolvar.exe bin/kolvar-sim.exe bin/kolvar-headless.exe bin/kolvar-logger.exe \
  share/kolvar/stop.wav README.txt uninstall.exe; do
  [ -f "$install/$f" ] || fail "the installer did not put $f in place"
done
[ -f "$menu/Kolvar.lnk" ] || fail "no Start-menu entry Kolvar"
[ -f "$menu/Kolvar — simulated column.lnk" ] || fail "no Start-menu entry for the simulated column"
[ -f "$menu/Kolvar — temperature logger.lnk" ] || fail "no Start-menu entry for the logger"
[ -d "$documents/Kolvar" ] || fail "the installer did not make Documents\\Kolvar"
conf=$documents/Kolvar/logger.conf
grep -q '^#serial COM3' "$conf" || fail "no sample logger.conf in Documents\\Kolvar"
"$wine" "$install/bin/kolvar-logger.exe" --version | grep -q '^kolvar-logger ' ||
  fail "the installed kolvar-logger.exe does not run"
# The user's own configuration outlives a second install.
printf 'serial COM4\r\n' >"$conf"
"$wine" "$setup" /S || fail "the second silent install ended with $?"
settle
[ "$(cat "$conf")" = "$(printf 'serial COM4\r')" ] || fail "a second install replaced logger.conf"

cat >inside.sh <<'INSIDE'
# Runs on the virtual display. Every wait is for something to happen, ended
# early when the program has gone, and given up only after four minutes.
set -u
install=$1 menu=$2 tool=$3 pictures=$4 wine=$5
wait_for() { # wait_for PID CONDITION...
  local pid=$1 end=$((SECONDS + 240))
  shift
  while [ $SECONDS -lt $end ]; do
    "$@" && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.2
  done
  return 1
}
shown() { xwininfo -root -tree | grep -q "$1"; }
# The main window is known by its window class: its title is the model's
# caption, which tells the state ("СТОП").
main_shown() { "$wine" "$tool" origin KolvarMain >/dev/null 2>&1; }
# The screen is black around the windows: the picture is cut to them.
picture() {
  [ -z "$pictures" ] ||
    import -window root -trim +repage "$pictures/$1" ||
    echo "no picture $1"
}
close() { # close PID: the main window, as its close box does (WM_CLOSE)
  "$wine" "$tool" close KolvarMain >/dev/null 2>&1
  local end=$((SECONDS + 120))
  while [ $SECONDS -lt $end ]; do kill -0 "$1" 2>/dev/null || return 0; sleep 0.2; done
  return 1
}

# A window manager, when installed, puts the title bars on, as on a desktop.
wm=
if command -v openbox >/dev/null; then
  openbox --sm-disable >openbox.txt 2>&1 &
  wm=$!
  for _ in $(seq 300); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
fi

# kolvar.exe from its Start-menu entry: its working folder is Documents\Kolvar.
# (wine's start opens a shortcut by its Windows path, not by /unix, and
# does not wait for the program it starts: the program's own process is
# found among this prefix's.)
prefix_process() { # prefix_process NAME: the first process of NAME in this wine prefix
  local p
  for p in $(pgrep -f "$1"); do
    { tr '\0' '\n' <"/proc/$p/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" &&
      echo "$p" && return 0
  done
  return 1
}
"$wine" start "$("$wine" winepath -w "$menu/Kolvar.lnk" | tr -d '\r')"
end=$((SECONDS + 120))
while [ $SECONDS -lt $end ]; do kolvar=$(prefix_process 'kolvar\.exe') && break; sleep 0.2; done
if [ -n "$kolvar" ] && wait_for $kolvar main_shown; then
  echo "kolvar-window" >>found.txt
  sleep 2  # a moment for the message boxes of a fresh folder to be drawn
  picture windows-kolvar.png
fi
close $kolvar || echo "kolvar.exe did not close" >>found.txt

# kolvar-sim.exe in a fresh folder, its model clock ten times as fast.
mkdir -p sim && cd sim
KOLVAR_TEST_EVENTS=1 KOLVAR_TEST_SPEED=10 "$wine" "$install/bin/kolvar-sim.exe" >events.txt 2>stderr.txt &
sim=$!
wait_for $sim main_shown && echo main >>../found.txt
wait_for $sim shown '"Симулятор колонны' && echo simulator >>../found.txt
wait_for $sim shown '"График' && echo plot >>../found.txt
wait_for $sim test -s mytunes.log && echo mytunes >>../found.txt
wait_for $sim test -s keeper.log
wc -l <keeper.log >lines-at-start.txt
# "Старт системы" at its place in the temperature frame, in the model's
# pixels at 96 dots per inch: 6, 172, 124 x 22 (window_places.cpp).
if where=$("$wine" "$tool" origin KolvarMain | tr -d '\r') && [ -n "$where" ]; then
  read -r left top _ <<<"$where"
  xdotool mousemove $((left + 6 + 62)) $((top + 172 + 11)) click 1
  echo "clicked at $((left + 68)),$((top + 183))" >>../found.txt
fi
record_rows() { cat runs/*.csv 2>/dev/null | wc -l; }
has_record() { ls runs/*.csv >/dev/null 2>&1; }
wait_for $sim has_record && echo record >>../found.txt
rows=$(record_rows)
lines=$(wc -l <keeper.log)
grown() { [ "$(record_rows)" -gt "$rows" ] && [ "$(wc -l <keeper.log)" -gt "$lines" ]; }
wait_for $sim grown && echo grown >>../found.txt
picture windows-kolvar-sim.png
wc -l <keeper.log >lines-at-end.txt
record_rows >rows-at-end.txt
close $sim && echo closed >>../found.txt
wait $sim
echo $? >exit-code.txt
[ -z "$wm" ] || kill $wm
INSIDE
xvfb-run -a -s "-screen 0 1280x1024x24 -br -noreset" bash inside.sh "$install" "$menu" "$tool" "$pictures" "$wine"
cat found.txt 2>/dev/null

grep -qx kolvar-window found.txt || fail "kolvar.exe from the Start menu showed no window"
[ -f "$documents/Kolvar/mytunes.log" ] || fail "kolvar.exe did not start in Documents\\Kolvar"
for what in main simulator plot; do
  grep -qx $what found.txt || fail "kolvar-sim.exe showed no $what window"
done
grep -qx mytunes found.txt || fail "kolvar-sim.exe wrote no mytunes.log in its folder"
grep -q '^clicked' found.txt || fail "the main window's place was not found"
grep -qx record found.txt || fail "no run record after \"Старт системы\" was clicked"
grep -qx grown found.txt || fail "the log and the run's record did not grow"
grep -qx closed found.txt || fail "kolvar-sim.exe did not close"
[ "$(cat sim/exit-code.txt)" = 0 ] || fail "kolvar-sim.exe ended with $(cat sim/exit-code.txt)"
# A run closed while the cycle runs ends with the system's stop: the
# record's last row is the state after it, with the system-stop output on
# (pin 4, data bit 2, in the simulated column's wiring).
record=$(ls sim/runs/*.csv | head -n 1)
before_port=$(sed -n '/^wall_time,/{s/,port,.*//;p;q}' "$record" | tr -cd , | wc -c)
last_port=$(grep -a '^[0-9]\{4\}-' "$record" | tail -n 1 | cut -d, -f$((before_port + 2)))
[ -n "$last_port" ] && [ $((last_port & 4)) -ne 0 ] ||
  fail "the record's last port byte is '$last_port', not the stop image"
echo "the run: $(cat sim/lines-at-start.txt) to $(cat sim/lines-at-end.txt) log lines," \
  "$(wc -l <"$record") record lines, the port left at $last_port"

"$wine" "$install/uninstall.exe" /S || fail "the silent uninstall ended with $?"
settle
for f in bin/kolvar.exe bin/kolvar-sim.exe bin/kolvar-headless.exe bin/kolvar-logger.exe \
  share/kolvar/stop.wav uninstall.exe; do
  [ ! -e "$install/$f" ] || fail "the uninstaller left $f"
done
[ ! -e "$menu/Kolvar.lnk" ] || fail "the uninstaller left the Start-menu entry"
[ ! -e "$menu/Kolvar — temperature logger.lnk" ] || fail "the uninstaller left the logger's entry"
[ -f "$conf" ] || fail "the uninstaller removed the user's logger.conf"
[ -f "$documents/Kolvar/mytunes.log" ] || fail "the uninstaller removed the user's Documents\\Kolvar"
echo "installer smoke test passed"

# What the smoke tests of the real programs under Xvfb share; sourced, both
# outside the virtual display and inside it.

# smoke_begin WORKDIR: skips the test (77) without xvfb-run, then works in a
# fresh WORKDIR, with its own configuration folder.
smoke_begin() {
  if ! command -v xvfb-run >/dev/null; then
    echo "SKIPPED: xvfb-run is not installed (Debian package xvfb)"
    exit 77
  fi
  rm -rf "$1" && mkdir -p "$1" && cd "$1" || exit 1
  # The window's remembered scale is the test's own, and 100 %, whatever the
  # machine's desktop font would choose at a first start.
  export XDG_CONFIG_HOME=$PWD/config
  mkdir -p config/kolvar && echo scale=100 >config/kolvar/window.conf
}

# smoke_wait PID CONDITION...: waits until CONDITION holds or the program has
# ended; gives up after a minute only if nothing comes, so it waits for the
# program, not for time.
smoke_wait() {
  local pid=$1
  shift
  for _ in $(seq 600); do
    "$@" && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# smoke_in_display SCREEN COMMAND...: COMMAND on a virtual display of
# SCREEN ("1280x1024x24"), which is gone when this returns. The server does
# not reset when its last client leaves (-noreset): a program that connects
# while it resets cannot open the display, and the checks' short-lived
# clients come and go all the time. xvfb-run ends its Xvfb without waiting
# for it, and the next test's xvfb-run may take the same display number
# while the old server still answers there. COMMAND calls
# smoke_display_is_up first.
smoke_in_display() {
  local screen=$1 rc display
  shift
  rm -f display.txt
  xvfb-run -a -s "-screen 0 $screen -noreset" "$@"
  rc=$?
  display=$(cat display.txt 2>/dev/null)
  if [ -n "$display" ] && command -v pgrep >/dev/null; then
    for _ in $(seq 100); do
      pgrep -f "^Xvfb $display( |\$)" >/dev/null || break
      sleep 0.1
    done
  fi
  return $rc
}

# smoke_display_is_up: inside the virtual display, notes which one it is
# for smoke_in_display, and waits until it answers (at most thirty seconds;
# without x11-utils there is nothing to ask).
smoke_display_is_up() {
  echo "$DISPLAY" >display.txt
  command -v xprop >/dev/null || return 0
  for _ in $(seq 300); do
    xprop -root >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# smoke_end PID NAMES: the windows on the display go to windows.txt (NAMES
# stands in for them when x11-utils is missing and the paint alone must
# show them), then the program is asked to end; its exit code goes to
# exit-code.txt.
smoke_end() {
  if command -v xwininfo >/dev/null; then
    xwininfo -root -tree >windows.txt
  else
    printf '%s\n' "$2" >windows.txt
  fi
  kill -TERM "$1"
  wait "$1"
  echo $? >exit-code.txt
}

fail() {
  echo "FAIL: $*"
  echo "--- events"; cat events.txt
  echo "--- stderr"; cat stderr.txt
  exit 1
}

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

# smoke_wait_for_display: until the virtual display answers, for at most
# thirty seconds. On a loaded machine xvfb-run may start the command before
# Xvfb takes connections, and a program started then cannot open it.
# Without x11-utils there is nothing to ask, and the program just starts.
smoke_wait_for_display() {
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

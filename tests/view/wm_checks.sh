# shellcheck shell=bash
# What a person sees on a desktop with a window manager, read from the X
# server with x11-utils: which windows stand where, which is on top, which
# owns which. Sourced inside the virtual display, after smoke_common.sh.
#
# A check is a function that returns 0 when what it looks at holds, and
# otherwise prints why not; check NAME FUNCTION ARGS... runs it until it
# holds (the window manager may still be placing windows) or tries run out,
# and writes "PASS NAME" or "FAIL NAME: why" to checks.txt. Another check is
# one more function and one more line calling check.

export LC_ALL=C.UTF-8  # window titles as the system writes them

# The windows the window manager manages, bottom of the stack first.
wm_stack() {
  xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null | sed -n 's/.*# //p' | tr -d ','
}

# wm_wait_for_wm PID: until a window manager runs on the display (Openbox
# started as PID), for at most thirty seconds (a loaded machine starts it slowly).
wm_wait_for_wm() {
  local pid=$1
  for _ in $(seq 300); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# wm_window TITLE: the managed window whose title starts with TITLE (the
# window manager's " — Kolvar" may follow), if there is one.
wm_window() {
  local w
  for w in $(wm_stack); do
    xprop -id "$w" _NET_WM_NAME 2>/dev/null | grep -q "= \"$1" && {
      echo "$w"
      return 0
    }
  done
  return 1
}

# wm_dialog: the managed window that is a dialog (a message box).
wm_dialog() {
  local w
  for w in $(wm_stack); do
    xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_DIALOG && {
      echo "$w"
      return 0
    }
  done
  return 1
}

# wm_frame WINDOW: "left top width height" of the window with the window
# manager's frame around it.
wm_frame() {
  local x y w h extents l r t b
  eval "$(xwininfo -id "$1" 2>/dev/null | awk '
    /Absolute upper-left X/ { print "x=" $4 } /Absolute upper-left Y/ { print "y=" $4 }
    /^ *Width:/ { print "w=" $2 } /^ *Height:/ { print "h=" $2 }')"
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ',')
  read -r l r t b <<<"${extents:-0 0 0 0}"
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# wm_position_in_stack WINDOW: 0 for the bottom window, and so on up.
wm_position_in_stack() {
  local i=0 w
  for w in $(wm_stack); do
    [ "$((w))" = "$(($1))" ] && {
      echo $i
      return 0
    }
    i=$((i + 1))
  done
  echo -1
}

# check NAME FUNCTION ARGS...: FUNCTION ARGS until it holds, for at most five
# seconds.
check() {
  local name=$1 why
  shift
  for _ in $(seq 50); do
    why=$("$@" 2>&1) && {
      echo "PASS $name" >>checks.txt
      return 0
    }
    sleep 0.1
  done
  echo "FAIL $name: $why" >>checks.txt
  return 1
}

# The checks.

# check_exists WINDOW DESCRIPTION: the window is managed.
check_exists() {
  [ -n "$1" ] && [ "$(wm_position_in_stack "$1")" -ge 0 ] && return 0
  echo "no $2 among the windows managed: $(wm_stack)"
  return 1
}

# check_on_top MAIN OTHER...: the main window is kept above all others and
# stands above each OTHER.
check_on_top() {
  local main=$1 other
  shift
  xprop -id "$main" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || {
    echo "the main window's state is not above: $(xprop -id "$main" _NET_WM_STATE)"
    return 1
  }
  for other in "$@"; do
    [ "$(wm_position_in_stack "$main")" -gt "$(wm_position_in_stack "$other")" ] || {
      echo "$other stands above the main window $main: $(wm_stack)"
      return 1
    }
  done
}

# check_apart A B: the frames of A and B do not overlap.
check_apart() {
  local a b
  read -r -a a <<<"$(wm_frame "$1")"
  read -r -a b <<<"$(wm_frame "$2")"
  if [ "${a[0]}" -lt $((b[0] + b[2])) ] && [ "${b[0]}" -lt $((a[0] + a[2])) ] &&
    [ "${a[1]}" -lt $((b[1] + b[3])) ] && [ "${b[1]}" -lt $((a[1] + a[3])) ]; then
    echo "frame of $1 (${a[*]}) overlaps frame of $2 (${b[*]})"
    return 1
  fi
}

# check_on_screen WINDOW: its frame lies within the screen.
check_on_screen() {
  local f screen
  read -r -a f <<<"$(wm_frame "$1")"
  read -r -a screen <<<"$(xwininfo -root | awk '/^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print w, h }')"
  [ "${f[0]}" -ge 0 ] && [ "${f[1]}" -ge 0 ] && [ $((f[0] + f[2])) -le "${screen[0]}" ] &&
    [ $((f[1] + f[3])) -le "${screen[1]}" ] && return 0
  echo "frame of $1 (${f[*]}) leaves the screen (${screen[*]})"
  return 1
}

# check_owned_by BOX MAIN: the box is transient for the main window and
# stands above it.
check_owned_by() {
  local owner
  owner=$(xprop -id "$1" WM_TRANSIENT_FOR 2>/dev/null | sed -n 's/.*# //p')
  if [ -z "$owner" ] || [ "$((owner))" != "$(($2))" ]; then
    echo "the box $1 is transient for '${owner:-nothing}', not for the main window $2"
    return 1
  fi
  [ "$(wm_position_in_stack "$1")" -gt "$(wm_position_in_stack "$2")" ] || {
    echo "the box $1 stands below the main window $2: $(wm_stack)"
    return 1
  }
}

# wm_width WINDOW: the width of the window inside its frame.
wm_width() {
  xwininfo -id "$1" 2>/dev/null | awk '/^ *Width:/ { print $2 }'
}

# check_wider WINDOW WIDTH: the window is now at least 1.4 times WIDTH wide
# (two steps of the window's scale from 100 % make it 1.5 times).
check_wider() {
  local now
  now=$(wm_width "$1")
  [ -n "$now" ] && [ $((now * 10)) -ge $(($2 * 14)) ] && return 0
  echo "the window $1 is ${now:-?} pixels wide, not at least 1.4 times $2"
  return 1
}

# wm_keys WINDOW KEY...: the window is activated and the keys pressed there,
# as a person would with the keyboard; nothing without xdotool.
wm_keys() {
  local w=$1
  shift
  command -v xdotool >/dev/null || return 1
  xdotool windowactivate --sync "$w" >/dev/null 2>&1 || xdotool windowfocus --sync "$w"
  xdotool key --window "$w" --clearmodifiers "$@"
}

# wm_picture: what the screen shows, as screen.xwd, and as screen.png where
# ImageMagick is installed; nothing without xwd (x11-apps).
wm_picture() {
  command -v xwd >/dev/null || return 0
  xwd -root -screen -silent -out screen.xwd || return 0
  if convert -version 2>/dev/null | grep -q ImageMagick; then
    convert screen.xwd screen.png 2>/dev/null || true
  fi
}

# Helpers for the end-to-end tests: a program driven in a virtual X server
# with real key presses and clicks (xdotool), as a user drives it, and read
# back through the accessibility bus (a11y-read).
# Sourced; the caller sets -euo pipefail.

x_session_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Runs the calling script again inside a virtual X server of its own
# (with_display: a display no other test can take, a private home, runtime
# folder and session bus, and everything the script starts stopped with it).
run_in_virtual_display() {
  if [ -z "${VORLAN_X_SESSION:-}" ]; then
    exec "$x_session_dir/with_display" "$0" "$@"
  fi
  # The real window system, whatever the unit tests use.
  export QT_QPA_PLATFORM=xcb
  unset QT_QPA_PLATFORMTHEME
  export LC_ALL=C.UTF-8
  # In a sanitizer build, leaks of the desktop's libraries are not ours.
  export LSAN_OPTIONS="suppressions=$x_session_dir/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
}

# Starts openbox, a real window manager, in the virtual display and waits
# until it manages windows; a display that has one keeps it.
start_window_manager() {
  window_manager_runs && return 0
  openbox --sm-disable >/dev/null 2>&1 &
  wait_for 20 window_manager_runs || fail "openbox did not start"
}

window_manager_runs() {
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# Starts the accessibility bus (AT-SPI) for the test, activated through its
# private session bus, and has the Qt programs it starts from now on show
# their widgets there without a screen reader running. with_display stops
# the bus with the test.
start_accessibility_bus() {
  if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${VORLAN_X_SESSION:-}" ]; then
    fail "start_accessibility_bus: no session bus of the test's own (run_in_virtual_display first)"
  fi
  wait_for 20 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    || fail "the accessibility bus did not start"
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# accessible_value <window-title-pattern> <accessible-name>: the text or
# value of the showing object of that name in the window whose title
# matches the pattern, as a screen reader gets it; fails when there is none.
accessible_value() {
  /usr/bin/python3 "$x_session_dir/a11y-read" --timeout 20 --value "$2" "$1" </dev/null
}

# expect_accessible <window-title-pattern> <accessible-name> <text>: waits
# until the bus gives that object that text (a program under load may not
# have computed yet); fails naming what it gives.
expect_accessible() {
  local heard="" end=$((SECONDS + 20))
  until heard=$(accessible_value "$1" "$2") && [ "$heard" = "$3" ]; do
    ((SECONDS < end)) || fail "'$2' on the accessibility bus: '$heard', not '$3'"
    sleep 0.2
  done
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# wait_for <seconds> <command...>: until the command succeeds.
wait_for() {
  local end=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < end)) || return 1
    sleep 0.1
  done
}

# The visible windows whose title matches <pattern>, one id a line.
windows_named() {
  xdotool search --onlyvisible --name "$1" 2>/dev/null || true
}

window_named() {
  windows_named "$1" | head -n 1
}

has_window_named() {
  [ -n "$(window_named "$1")" ]
}

# Keys and typed text, each followed by a moment for the program to act.
keys() {
  xdotool key --delay 80 -- "$@"
  sleep 0.2
}

typed() {
  xdotool type --delay 80 -- "$1"
  sleep 0.2
}

# A click at <x> <y> inside window <id>.
click_at() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.3
}

# Saves a picture of window <id> (or "root") in <file> once the window is
# drawn and stands still: two pictures a moment apart that are the same and
# hold more than one colour (a window mapped but not yet painted is one).
picture_of() {
  local id=$1 file=$2 previous=""
  for _ in $(seq 50); do
    import -window "$id" "$file.next.png" 2>/dev/null || { sleep 0.1; continue; }
    local now
    [ "$(identify -format %k "$file.next.png" 2>/dev/null)" -gt 1 ] 2>/dev/null || { sleep 0.1; continue; }
    now=$(md5sum < "$file.next.png")
    if [ "$now" = "$previous" ]; then
      mv "$file.next.png" "$file"
      return 0
    fi
    previous=$now
    sleep 0.1
  done
  mv "$file.next.png" "$file" 2>/dev/null
}

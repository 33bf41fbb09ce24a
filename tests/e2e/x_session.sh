# Helpers for the end-to-end tests: a program driven in a virtual X server
# with real key presses and clicks (xdotool), as a user drives it.
# Sourced; the caller sets -euo pipefail.

# Runs the calling script again inside a virtual X server of its own.
run_in_virtual_display() {
  if [ -z "${VORLAN_E2E_DISPLAY:-}" ]; then
    VORLAN_E2E_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
  fi
  # The real window system, whatever the unit tests use.
  export QT_QPA_PLATFORM=xcb
  unset QT_QPA_PLATFORMTHEME
  export LC_ALL=C.UTF-8
  # In a sanitizer build, leaks of the desktop's libraries are not ours.
  export LSAN_OPTIONS="suppressions=$(dirname "${BASH_SOURCE[0]}")/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
}

# Starts openbox, a real window manager, in the virtual display and waits
# until it manages windows.
start_window_manager() {
  openbox --sm-disable >/dev/null 2>&1 &
  wait_for 20 bash -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" || fail "openbox did not start"
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

# Saves a picture of window <id> in <file> once the window stands still: two
# pictures a moment apart that are the same.
picture_of() {
  local id=$1 file=$2 previous=""
  for _ in $(seq 50); do
    import -window "$id" "$file.next.png" 2>/dev/null || { sleep 0.1; continue; }
    local now
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

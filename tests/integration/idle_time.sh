#!/usr/bin/env bash
# The system idle time comes from the X server: it grows without input, drops after pointer or
# key input, and reads 0 without a display.
set -euo pipefail
bin_dir="$1"
probe="$bin_dir/idle_probe"
if [ ! -x "$probe" ]; then
  echo "FAIL: idle_probe is not built"
  exit 1
fi

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/home" "$work/data" "$work/config" "$work/run"
chmod 700 "$work/run"
export HOME="$work/home" OSTREL_HOME="$work/home/prog/" XDG_DATA_HOME="$work/data" \
  XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=offscreen \
  DBUS_SESSION_BUS_ADDRESS="unix:path=$work/run/no-bus" DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/run/no-bus"

fail() { echo "FAIL: $*"; exit 1; }
probe() { "$probe" 2>>"$work/traces.txt"; }

no_display=$(env -u DISPLAY -u WAYLAND_DISPLAY "$probe" 2>>"$work/traces.txt")
[ "$no_display" = 0 ] || fail "without a display the idle time reads $no_display, not 0"

Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.txt" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { cat "$work/xvfb.txt"; fail "Xvfb did not start"; }
export DISPLAY=":$(head -n1 "$work/display")"

first=$(probe)
sleep 2
grown=$(probe)
((grown >= first + 1000)) || fail "idle time did not grow without input: $first then $grown ms"

xdotool mousemove 17 23
after_pointer=$(probe)
((after_pointer < grown)) ||
  fail "pointer input left the idle time at $after_pointer ms (was $grown)"

sleep 1
before_key=$(probe)
xdotool key a
after_key=$(probe)
((after_key < before_key)) ||
  fail "key input left the idle time at $after_key ms (was $before_key)"

echo "idle time: none without display; $first -> $grown ms idle; $after_pointer ms after pointer;" \
  "$before_key -> $after_key ms after key"

#!/usr/bin/env bash
# Fails closed: an agent killed (SIGKILL) while locked is started again by its watchdog and locks
# at once, covering the screen and holding the keyboard; the time from the kill to that is shown.
# The state it locked from is gone once the session ends with the right password.
set -euo pipefail
bin_dir="$1"
. "$(dirname "$0")/lib/agent_env.sh"
probe="$bin_dir/window_probe"
state="$work/data/Ostrel 3.0/locked.ini"

start_display 1024x768x24
write_settings secret daylight.slf
"$bin_dir/ostrel3-watchdog" -tray -savedebug >>"$work/agent.out" 2>&1 &
watchdog=$!
agent_pids+=("$watchdog")
agent() { pgrep -P "$watchdog" -x ostrel3; }
wait_for "log_text | grep -q 'runtray=true'" 10 || fail "agent did not start"
"$bin_dir/ostrel3"
wait_for "log_text | grep -q 'Ostrel Ready'" 10 || fail "lock start-up did not finish"
[ -f "$state" ] || fail "locked state not recorded"

# Also notes whether the keyboard was ever held with nothing covering the screen.
covered() {
  local state=0
  "$probe" covered || state=$?
  [ "$state" != 3 ] || touch "$work/grab-without-cover"
  [ "$state" = 0 ] || return 1
  local window; window=$(lock_window)
  [ -n "$window" ] && xdotool getwindowgeometry "$window" | grep -q 'Geometry: 1024x768'
}
killed=$(agent)
agent_pids+=("$killed")
start=$(date +%s%N)
kill -9 "$killed"
wait_for covered 10 || fail "screen not covered and grabbed after the restart"
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
[ ! -e "$work/grab-without-cover" ] || fail "the keyboard was held with nothing on the screen"
[ -n "$(agent)" ] && [ "$(agent)" != "$killed" ] || fail "the lock is not the restarted agent's"
agent_pids+=("$(agent)")
log_text | grep -q 'Lock restored after an unexpected exit' || fail "restore not logged"
echo "from SIGKILL to covered screen and grabbed keyboard: $elapsed ms"

xdotool key Tab
xdotool type --delay 15 secret
xdotool key Return
wait_for "[ ! -f '$state' ]" || fail "locked state still recorded after the session"
wait_for '[ -z "$(lock_window)" ]' || fail "lock form still up"
"$probe" grabbed && fail "keyboard still held after the session"

kill -TERM "$watchdog"
wait_for "[ -z \"\$(agent)\" ] && ! kill -0 $watchdog" 10 || fail "watchdog did not stop with its agent"
echo "a killed locked agent came back locked; the session then ended normally"

#!/usr/bin/env bash
# The tray controller on a desktop without a notification area: the hot key locks (once, however
# often it is pressed), the session ends back in the tray, and the idle watch warns a minute
# ahead and locks at the lock time; a display change while locked refits the lock form.
set -euo pipefail
bin_dir="$1"
. "$(dirname "$0")/lib/agent_env.sh"

start_display 1024x768x24
debug_file="$work/data/Ostrel 3.0/ostrel3_debug.txt"
user="$(id -un)"
ready_text="Ostrel 3.0: Double click or press Ctrl + Alt + S to lock system."
warning_text="One minute to lockdown: The computer is idle. Ostrel will automatically activate"

count() { log_text | grep -c -F -- "$1" || true; }
console_count() { grep -a -c -F -- "$1" "$debug_file" 2>/dev/null || true; }
agent() { echo "$current"; }
# settings.ini with the master password "secret", the single-user SLF layout, no away-message
# prompt, and the idle watch on with the lock time given or off.
settings() {
  local hash idle=0
  hash=$(printf %s secret | sha1sum | cut -d' ' -f1)
  [ "$1" = 0 ] || idle=1
  printf '[General]\r\nLayoutMode=0\r\nLayoutFile=layouts/slf/midnight.slf\r\n' >"$work/prog/settings.ini"
  printf '[Security]\r\npasswordHash=%s\r\nidleLock=%s\r\nlockTime=%s\r\n' "$hash" "$idle" "$1" \
    >>"$work/prog/settings.ini"
  printf '[Messages]\r\nPromptForAwayMsg=0\r\n' >>"$work/prog/settings.ini"
}
stop_agent() {
  "$bin_dir/ostrel3" /r
  wait_for "! kill -0 $(agent)" 10 || fail "/r did not end the agent"
  rm -f "$work"/data/Ostrel\ 3.0/Logs/*.txt "$debug_file"
}
unlock() {
  xdotool type --delay 15 secret
  xdotool key Return
  wait_for "log_text | grep -q 'end CloseMainForm'" || fail "the right password did not end the lock"
  wait_for '[ -z "$(lock_window)" ]' || fail "lock form still up after the session ended"
}

# Hot key: in the tray the balloon (a console line here) names it; it locks, and pressed again
# while locked it starts nothing.
settings 0
start_agent -tray -savedebug
current=${agent_pids[-1]}
wait_for "[ \$(console_count '$ready_text') -ge 1 ]" || fail "no tray balloon line"
[ "$(count 'started by')" = 0 ] || fail "-tray locked at start"
# A second agent of another session on the same display finds the combination taken: it stays
# unregistered there, without a message, and the key goes to the first agent only.
mkdir -p "$work/run2" && chmod 700 "$work/run2"
other_log() { cat "$work"/data2/Ostrel\ 3.0/Logs/*.txt 2>/dev/null; }
XDG_RUNTIME_DIR="$work/run2" XDG_DATA_HOME="$work/data2" start_agent -tray -savedebug
other=${agent_pids[-1]}
wait_for "other_log | grep -q 'hot key 0 not registered'" || fail "the taken hot key registered"
xdotool key ctrl+alt+s
wait_for "[ -n \"\$(lock_window)\" ]" || fail "the hot key did not lock"
wait_for "log_text | grep -q 'Ostrel 3.0 started by $user (Hotkey)'" || fail "no hot-key start line"
windows=$(xdotool search --name '^Ostrel 3\.0$' | wc -l)
xdotool key ctrl+alt+s
sleep 0.5
xdotool key ctrl+alt+s
sleep 1
[ "$(count 'started by')" = 1 ] || fail "the hot key started a second lock"
[ "$(xdotool search --name '^Ostrel 3\.0$' | wc -l)" = "$windows" ] || fail "a second lock form"

other_log | grep -q 'started by' && fail "the agent without the hot key locked"
XDG_RUNTIME_DIR="$work/run2" "$bin_dir/ostrel3" /r
wait_for "! kill -0 $other" 10 || fail "/r did not end the second agent"

# A display change while locked: the lock form covers the new screen.
if command -v xrandr >/dev/null; then
  xrandr --newmode small 0 800 0 0 0 600 0 0 0 && xrandr --addmode screen small &&
    xrandr --output screen --mode small || fail "xrandr could not change the screen"
  wait_for "log_text | grep -q 'Display Changed.'" || fail "no display change seen"
  wait_for "xdotool getwindowgeometry \$(lock_window) | grep -q 'Geometry: 800x600'" ||
    fail "lock form does not follow the display: $(xdotool getwindowgeometry "$(lock_window)")"
else
  echo "xrandr (x11-xserver-utils) missing: display change not checked"
fi

# The end of the session returns to the tray: the balloon again, and the hot key works again.
unlock
wait_for "[ \$(console_count '$ready_text') -ge 2 ]" || fail "no return to the tray"
kill -0 "$(agent)" || fail "the agent ended instead of returning to the tray"
xdotool key ctrl+alt+s
wait_for "[ \$(count 'started by $user (Hotkey)') -ge 2 ]" || fail "the hot key did not lock again"
unlock
stop_agent

# Without -tray the workstation locks right after start; -killonclose ends the program with the
# session.
start_agent -savedebug -killonclose
current=${agent_pids[-1]}
wait_for "log_text | grep -q 'Ostrel 3.0 started by $user (Default)'" 15 || fail "no lock at start"
wait_for '[ -n "$(lock_window)" ]' || fail "no lock form at start"
unlock
wait_for "! kill -0 $(agent)" 5 || fail "-killonclose left the agent running"
rm -f "$work"/data/Ostrel\ 3.0/Logs/*.txt "$debug_file"

# lockTime 10: no warning, the lock about 10 s after the last input. The idle lock keeps the
# reason of the lock before it.
settings 10
xdotool mousemove 100 100
start_agent -tray -savedebug
current=${agent_pids[-1]}
wait_for "[ \$(console_count '$ready_text') -ge 1 ]" || fail "no tray balloon line"
xdotool key ctrl+alt+s
wait_for "log_text | grep -q 'started by $user (Hotkey)'" || fail "the hot key did not lock"
unlock
idle_from=$SECONDS
wait_for "[ \$(count 'started by $user (Hotkey)') = 2 ]" 20 || fail "no idle lock"
elapsed=$((SECONDS - idle_from))
((elapsed >= 8 && elapsed <= 13)) || fail "idle lock after ${elapsed} s, not about 10 s"
[ "$(count 'showing balloon hint')" = 0 ] || fail "a warning with lockTime 10"
log_text | grep -q 'hiding balloon hint. lockdown.' || fail "no lockdown trace"
wait_for '[ -n "$(lock_window)" ]' || fail "no lock form after idle time"
wait_for "log_text | grep -q 'NextCommand: focus'" || fail "the idle lock was not focused"
stop_agent

# lockTime 70: the warning about 10 s after the last input, once; input takes it back and the
# watch starts over.
settings 70
xdotool mousemove 200 200
idle_from=$SECONDS
start_agent -tray -savedebug
current=${agent_pids[-1]}
wait_for "[ \$(console_count '$ready_text') -ge 1 ]" || fail "no tray balloon line"
wait_for "log_text | grep -q 'showing balloon hint...'" 20 || fail "no warning"
elapsed=$((SECONDS - idle_from))
((elapsed >= 9 && elapsed <= 13)) || fail "warning after ${elapsed} s, not about 10 s"
[ "$(console_count "$warning_text")" = 1 ] || fail "no warning balloon line"
sleep 2
[ "$(count 'showing balloon hint')" = 1 ] || fail "the warning came more than once"
[ "$(count 'started by')" = 0 ] || fail "locked before the lock time"
xdotool mousemove 300 300
sleep 2
[ "$(count 'showing balloon hint')" = 1 ] || fail "a warning right after input"
stop_agent

echo "tray: the hot key locks once, and again after the session; lock at start; -killonclose;" \
  "idle lock at lockTime 10; warning ${elapsed} s into lockTime 70"

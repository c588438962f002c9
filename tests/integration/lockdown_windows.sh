#!/usr/bin/env bash
# Under a window manager (openbox): windows are minimised before the lock; while locked, task managers close within TaskMgrScanTime (one
# that ignores the request is ended), windows that come up above the lock go below it, the
# focus comes back to the lock (AutoMinimize on), panels are hidden; after the session panels
# are back and a task manager stays open.
set -euo pipefail
bin_dir="$1"
. "$(dirname "$0")/lib/agent_env.sh"
probe="$bin_dir/window_probe"
command -v openbox >/dev/null || fail "needs openbox"

start_display 1024x768x24
openbox --sm-disable >/dev/null 2>&1 &
agent_pids+=($!)
wait_for "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'" 15 || fail "no window manager"
# The manager names itself before it manages maps: a window mapped that early stays unmapped.
# Wait until a throwaway window comes up.
wm_ready() {
  local out="$work/warmup" warm id
  "$probe" open Warmup >"$out" &
  warm=$!
  wait_for "[ -s '$out' ]" 15 || { kill "$warm"; return 1; }
  id=$(head -n1 "$out")
  wait_for "xwininfo -id $id | grep -q IsViewable" 2
  local ok=$?
  kill "$warm"; wait "$warm" 2>/dev/null || true
  return $ok
}
wait_for wm_ready 30 || fail "the window manager does not map windows"

hash=$(printf %s secret | sha1sum | cut -d' ' -f1)
printf '[Security]\r\npasswordHash=%s\r\nStopTaskMgr=1\r\nTaskMgrScanTime=750\r\nautoHide=1\r\n' \
  "$hash" >"$work/prog/settings.ini"
printf 'MinimizeWindowsBeforeLock=1\r\n' >>"$work/prog/settings.ini"
printf '[General]\r\nLayoutMode=0\r\nLayoutFile=layouts/slf/daylight.slf\r\n' >>"$work/prog/settings.ini"

# Opens a probe window with the given arguments; sets `pid` and `id`.
open_probe() {
  local out="$work/probe.$RANDOM"
  "$probe" open "$@" >"$out" &
  pid=$!
  agent_pids+=("$pid")
  wait_for "[ -s '$out' ]" 15 || fail "probe window $1 did not open"
  id=$(head -n1 "$out")
}
viewable() { xwininfo -id "$1" | grep -q 'Map State: IsViewable'; }
now_ms() { date +%s%3N; }

open_probe Panel dock
panel=$id
wait_for "viewable $panel" 15 || fail "panel not shown"

start_agent -tray -savedebug
wait_for "log_text | grep -q 'runtray=true'" 15 || fail "agent did not start"
"$bin_dir/ostrel3"
wait_for "log_text | grep -q 'Ostrel Ready'" 10 || fail "lock start-up did not finish"
lock=$(lock_window)
xprop -root _NET_SHOWING_DESKTOP | grep -q '= 1' || fail "windows not minimised before the lock"
wait_for "! viewable $panel" 15 || fail "panel not hidden while locked"

for title in "Windows Task Manager" "System Monitor"; do
  open_probe "$title"
  opened=$(now_ms)
  wait_for "! kill -0 $pid" 5 || fail "$title stayed open while locked"
  echo "$title closed after $(( $(now_ms) - opened )) ms (TaskMgrScanTime 750)"
done
log_text | grep -q "did not close" && fail "a task manager that closed was ended"
open_probe "Windows Task Manager" stubborn
wait_for "! kill -0 $pid" 5 || fail "a task manager that ignores the close request stayed"
log_text | grep -q "did not close: process $pid ended" || fail "the stubborn one was not ended"
log_text | grep -q "(TMTimer) Closed taskmanger handle: " || fail "no closer trace"

open_probe Popup override
wait_for "'$probe' above $id $lock" 2 || fail "override-redirect window stays above the lock"
wait_for "log_text | grep -q 'Restack: window $id mapped'" 2 || fail "the map was not seen"
open_probe Above above
wait_for "'$probe' above $id $lock" 2 || fail "window kept above stays above the lock"
xdotool windowactivate "$id"  # it takes the focus, as a program stealing it would
# The lock takes it back at its next restack, or AutoMinimize pushes the window down first.
wait_for "! '$probe' focused $id" 3 || fail "a window took the focus from the lock"
"$probe" grabbed || fail "keyboard not held while locked"

# The lock's own menu stays above it while other windows come and go.
xdotool key super
wait_for "log_text | grep -q 'pop1.popup'" 15 || fail "no menu"
open_probe Later override
wait_for "'$probe' above $id $lock" 2 || fail "window above the lock while its menu is open"
menu=$(xwininfo -root -children | awk '/"Ostrel 3": \("ostrel3"/ {print $1}' | head -n1)
[ -n "$menu" ] || fail "menu window not found"
sleep 1  # a restack tick
"$probe" above "$lock" "$menu" || fail "the lock covered its own menu"
xdotool key Escape

xdotool key Tab
xdotool type --delay 15 secret
xdotool key Return
wait_for "log_text | grep -q 'Ostrel Shutdown'" 15 || fail "right password did not end the session"
wait_for '[ -z "$(lock_window)" ]' 15 || fail "lock form still up"
wait_for "viewable $panel" 15 || fail "panel not shown again after the session"

open_probe "Windows Task Manager"
sleep 2
kill -0 "$pid" || fail "task manager closed after the session"
"$probe" grabbed && fail "keyboard still held after the session"

"$bin_dir/ostrel3" /r
wait_for "! kill -0 ${agent_pids[2]}" 10 || fail "/r did not end the agent"
echo "task managers closed, windows above the lock pushed down, panels hidden and shown again"

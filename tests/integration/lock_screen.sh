#!/usr/bin/env bash
# The lock screen holds: it covers the screen, keeps keys from the windows behind it, refuses
# Alt+F4 and wrong passwords, and the right password ends the session back in the tray.
set -euo pipefail
bin_dir="$1"
. "$(dirname "$0")/lib/agent_env.sh"

start_display 1280x1024x24
write_settings secret daylight.slf

# A window that records every key it receives.
xev -geometry 300x200+10+10 -event keyboard >"$work/xev.txt" 2>&1 &
agent_pids+=($!)
wait_for "xdotool search --name 'Event Tester'" || fail "no key recorder window"
xdotool search --name 'Event Tester' | head -n1 | xargs xdotool windowfocus --sync

start_agent -tray -savedebug
wait_for "grep -q 'Starting Ostrel' '$work'/data/Ostrel\ 3.0/Logs/*.txt" || fail "agent did not start"
"$bin_dir/ostrel3"  # a second start asks the first to lock
wait_for '[ -n "$(lock_window)" ]' || fail "no lock form"
wait_for "log_text | grep -q 'Ostrel Ready'" || fail "lock start-up did not finish"
geometry=$(xdotool getwindowgeometry "$(lock_window)")
echo "$geometry" | grep -q "Geometry: 1280x1024" || fail "lock form does not cover the screen: $geometry"

sleep 0.5
before=$(grep -c KeyPress "$work/xev.txt" || true)
xdotool key a b c Return
xdotool key alt+F4
# Alt+F4 is the close request: the lock refuses it and asks for the Unlock & Exit permission.
wait_for "log_text | grep -q 'frmUnlock.Create'" || fail "Alt+F4 did not ask for the exit permission"
xdotool key Escape
wait_for "log_text | grep -q 'Modal Result: cancel'" || fail "the permission dialog did not close"
sleep 0.3
after=$(grep -c KeyPress "$work/xev.txt" || true)
[ "$before" = "$after" ] || fail "keys reached the window behind the lock ($before -> $after)"
[ -n "$(lock_window)" ] || fail "Alt+F4 closed the lock form"

xdotool key Tab  # from the user-name box to the password box
xdotool type --delay 15 wrongpw
xdotool key Return
wait_for "log_text | grep -q 'Security Event: Incorrect password entered'" || fail "wrong password not logged"
log_text | grep -q wrongpw && fail "the typed password reached the log"
[ -n "$(lock_window)" ] || fail "a wrong password ended the lock"

xdotool type --delay 15 secret
xdotool key Return
wait_for "log_text | grep -q 'Ostrel Shutdown'" || fail "right password did not end the session"
wait_for '[ -z "$(lock_window)" ]' || fail "lock form still up after the session ended"
kill -0 "${agent_pids[1]}" || fail "the agent ended instead of returning to the tray"

"$bin_dir/ostrel3" /r
wait_for "! kill -0 ${agent_pids[1]}" 5 || fail "/r did not end the agent"
echo "lock held the keyboard, refused Alt+F4 and a wrong password, and ended on the right one"

#!/usr/bin/env bash
# The away-message picker: at lock start-up it counts down to the default message by itself; the
# Ctrl+A shortcut asks for the password while locked and opens it without a countdown.
set -euo pipefail
bin_dir="$1"
. "$(dirname "$0")/lib/agent_env.sh"

start_display 1280x1024x24
write_settings secret daylight.slf \
  $'[Messages]\r\nPromptForAwayMsg=1\r\nsecsBeforeDefaultMsg=2\r\nDefaultAwayMessage=Back soon\r\n'

picker_window() { xdotool search --onlyvisible --name '^Away Message$' 2>/dev/null | head -n1; }

start_agent -tray -savedebug
wait_for "grep -q 'Starting Ostrel' '$work'/data/Ostrel\ 3.0/Logs/*.txt" || fail "agent did not start"
"$bin_dir/ostrel3"  # a second start asks the first to lock
wait_for '[ -n "$(picker_window)" ]' 10 || fail "no away-message picker at start-up"
[ -n "$(lock_window)" ] || fail "the picker came before the lock form"
log_text | grep -q 'Ostrel Ready' && fail "start-up went on while the picker was open"
# Left alone it closes after its two seconds with the default message, and start-up goes on.
wait_for '[ -z "$(picker_window)" ]' 10 || fail "the countdown did not close the picker"
wait_for "log_text | grep -q 'Ostrel Ready'" 10 || fail "lock start-up did not finish"
log_text | grep -q 'AwayMessage: Back soon' || fail "the default message was not chosen"

sleep 0.5
xdotool key ctrl+a
wait_for "log_text | grep -q 'frmUnlock.Create'" || fail "Ctrl+A did not ask for the password"
xdotool type --delay 15 secret
xdotool key Return
wait_for '[ -n "$(picker_window)" ]' 10 || fail "no picker after the password"
sleep 3  # longer than the countdown: from the menu there is none
[ -n "$(picker_window)" ] || fail "the picker opened from the shortcut closed by itself"
xdotool windowfocus --sync "$(picker_window)"
xdotool type --delay 15 ' today'
xdotool key alt+o
wait_for "log_text | grep -q 'AwayMessage: Back soon today'" || fail "OK did not take the typed message"
wait_for "log_text | grep -q 'Refresh Layout'" || fail "the layout was not refreshed"

xdotool mousemove 300 352  # over the password box, which takes the focus
sleep 0.2
xdotool type --delay 15 secret
xdotool key Return
wait_for '[ -z "$(lock_window)" ]' 10 || fail "lock form still up after the right password"

"$bin_dir/ostrel3" /r
wait_for "! kill -0 ${agent_pids[0]}" 5 || fail "/r did not end the agent"
echo "the picker counted down to the default at start-up and took a typed message from Ctrl+A"

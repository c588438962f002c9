#!/usr/bin/env bash
# A visitor leaves a note through the lock screen's button: the count label counts it, and the
# right password opens the reader at the first note before the lock goes away.
set -euo pipefail
bin_dir="$1"
. "$(dirname "$0")/lib/agent_env.sh"

start_display 1280x1024x24
write_settings secret daylight.slf

start_agent -tray -savedebug
wait_for "grep -q 'Starting Ostrel' '$work'/data/Ostrel\ 3.0/Logs/*.txt" || fail "agent did not start"
"$bin_dir/ostrel3"  # a second start asks the first to lock
wait_for '[ -n "$(lock_window)" ]' || fail "no lock form"
wait_for "log_text | grep -q 'Ostrel Ready'" 10 || fail "lock start-up did not finish"

note_window() { xdotool search --onlyvisible --name '^Leave a Secure Note$' 2>/dev/null | head -n1; }
reader_window() { xdotool search --onlyvisible --name '^Messages$' 2>/dev/null | head -n1; }

# The daylight layout's "Leave a message" button.
xdotool mousemove 175 461 click 1
wait_for "log_text | grep -q 'LeaveMessage Request by BTN'" || fail "the button did not ask for a note"
wait_for '[ -n "$(note_window)" ]' || fail "no leave-a-note dialog"
xdotool windowfocus --sync "$(note_window)"
xdotool type --delay 15 Visitor
xdotool key alt+m
xdotool type --delay 15 'Back at three'
xdotool key alt+l
wait_for "log_text | grep -q 'Note left by: Visitor'" || fail "the note was not stored"
wait_for "log_text | grep -q 'lblMessageCount: 1 Message[^s]'" || fail "the count label does not read 1 Message"
wait_for '[ -z "$(note_window)" ]' || fail "the dialog stayed open"

xdotool mousemove 300 352  # over the password box, which takes the focus
sleep 0.2
xdotool type --delay 15 secret
xdotool key Return
wait_for '[ -n "$(reader_window)" ]' 10 || fail "ending the session did not open the reader"
log_text | grep -q 'SHUTDOWN: Show Messages' || fail "no reader trace"
log_text | grep -q 'frmMessages: Message 1 of 1' || fail "the reader did not open at the first message"
[ -n "$(lock_window)" ] || fail "the lock went away before the reader"

xdotool windowfocus --sync "$(reader_window)"
xdotool key Escape
wait_for '[ -z "$(reader_window)" ]' || fail "Esc did not close the reader"
wait_for '[ -z "$(lock_window)" ]' || fail "lock form still up after the reader closed"
log_text | grep -q 'Freeing MsgList' || fail "the session did not finish its shutdown"

"$bin_dir/ostrel3" /r
wait_for "! kill -0 ${agent_pids[0]}" 5 || fail "/r did not end the agent"
echo "a note left on the lock screen was counted and shown when the session ended"

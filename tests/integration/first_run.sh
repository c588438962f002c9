#!/usr/bin/env bash
# First start without a master password: the first-run dialog asks for one, the lock that
# follows holds the keyboard, and the new password ends the session.
set -euo pipefail
bin_dir="$1"
. "$(dirname "$0")/lib/agent_env.sh"

start_display 1280x1024x24
start_agent -savedebug
wait_for "log_text | grep -q 'Starting Ostrel'" 10 || fail "agent did not start"
wait_for '[ -n "$(lock_window)" ]' 10 || fail "no lock form"
sleep 1
xdotool type --delay 15 n3wpass
xdotool key Tab
xdotool type --delay 15 n3wpass
xdotool key Return
wait_for "log_text | grep -q 'Ostrel Ready'" 10 || fail "the lock did not start after the first password"
grep -q '^\[administrator\]' "$work/prog/userlist.dat" || fail "no administrator account written"
sleep 1
log_text | grep -q 'not held by the lock' && fail "the lock does not hold the keyboard"

xdotool type --delay 15 n3wpass
xdotool key Return
wait_for "log_text | grep -q 'Ostrel Shutdown'" || fail "the new master password did not end the session"
echo "first run set the master password, the lock held the keyboard and opened with it"

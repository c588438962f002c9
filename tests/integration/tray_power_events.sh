#!/usr/bin/env bash
# Suspend and resume announced by logind and a low battery announced by UPower (python3-dbusmock
# on a private bus) reach the master computer as "/pe:" datagrams on UDP port 8778, in a private
# network namespace.
set -euo pipefail
if [ -z "${OSTREL_TEST_NETNS:-}" ]; then
  exec env OSTREL_TEST_NETNS=1 unshare -n bash "$0" "$@"
fi
ip link set lo up
bin_dir="$1"
. "$(dirname "$0")/lib/agent_env.sh"
start_mocks logind:org.freedesktop.login1 upower:org.freedesktop.UPower
prepare_for_sleep() {
  on_bus "bus.get_object('org.freedesktop.login1', '/org/freedesktop/login1').EmitSignal(
    'org.freedesktop.login1.Manager', 'PrepareForSleep', 'b', [$1],
    dbus_interface='org.freedesktop.DBus.Mock')"
}
battery_warning() {
  on_bus "bus.get_object('org.freedesktop.UPower', '/org/freedesktop/UPower/devices/DisplayDevice').Set(
    'org.freedesktop.UPower.Device', 'WarningLevel', dbus.UInt32($1),
    dbus_interface='org.freedesktop.DBus.Properties')"
}

"$python" - "$work/datagrams" <<'EOF' &
import socket, sys
sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
sock.bind(("127.0.0.1", 8778))
sock.settimeout(30)
with open(sys.argv[1], "w") as out:
    for _ in range(3):
        out.write(sock.recv(1024).decode() + "\n")
        out.flush()
EOF
agent_pids+=($!)

start_display 800x600x24
hash=$(printf %s secret | sha1sum | cut -d' ' -f1)
printf '[General]\r\nLayoutMode=0\r\nLayoutFile=layouts/slf/midnight.slf\r\n' >"$work/prog/settings.ini"
printf '[Security]\r\npasswordHash=%s\r\nreportPowerEvents=1\r\nMasterIP=127.0.0.1\r\n' "$hash" \
  >>"$work/prog/settings.ini"
DBUS_SYSTEM_BUS_ADDRESS="$bus" start_agent -tray -savedebug
wait_for "log_text | grep -q 'runtray=true'" || fail "agent did not start"
sleep 0.5
prepare_for_sleep True
prepare_for_sleep False
battery_warning 3  # low
battery_warning 4  # critical: low already
wait_for "[ \$(grep -c . '$work/datagrams' 2>/dev/null) = 3 ]" 10 || fail "no datagrams"
expected=$'/pe:System is suspending...\n/pe:System is resuming operations after suspending...'
expected+=$'\n/pe:Battery is low.'
[ "$(cat "$work/datagrams")" = "$expected" ] || fail "datagrams: $(cat "$work/datagrams")"
sleep 0.5
[ "$(log_text | grep -c -F 'UDP SEND to 127.0.0.1')" = 3 ] || fail "not three send traces"

"$bin_dir/ostrel3" /r
wait_for "! kill -0 ${agent_pids[-1]}" 10 || fail "/r did not end the agent"
echo "power events: suspend, resume and low battery sent to the master as /pe: datagrams"

#!/usr/bin/env bash
# A session with suspendNetwork on, against NetworkManager and logind mocks (python3-dbusmock on a
# private bus) and the desktop's media settings (GSettings in a key file): network access is
# switched off once at the start and on once at the end, a shut-down inhibitor is held only while
# locked, the session lock of UseWinLockStartup is asked for, and the media auto-open settings are
# off while locked and as before afterwards.
set -euo pipefail
bin_dir="$1"
. "$(dirname "$0")/lib/agent_env.sh"
command -v gsettings >/dev/null || fail "needs gsettings"
export GSETTINGS_BACKEND=keyfile
media() { gsettings get org.gnome.desktop.media-handling "$1"; }
media automount-open >/dev/null || fail "no media-handling schema"
gsettings set org.gnome.desktop.media-handling automount-open true
gsettings set org.gnome.desktop.media-handling autorun-never false

start_mocks networkmanager:org.freedesktop.NetworkManager logind:org.freedesktop.login1
on_bus "bus.get_object('org.freedesktop.login1', '/org/freedesktop/login1').AddSession(
  'auto', 'seat0', dbus.UInt32($(id -u)), 'ann', True, dbus_interface='org.freedesktop.DBus.Mock')" \
  || fail "no mock session"
# The Enable calls NetworkManager received, one argument per line.
enable_calls() {
  on_bus "calls = bus.get_object('org.freedesktop.NetworkManager', '/org/freedesktop/NetworkManager').GetCalls(
    dbus_interface='org.freedesktop.DBus.Mock')
print('\n'.join(str(bool(c[2][0])) for c in calls if c[1] == 'Enable'))"
}
inhibitors() {
  on_bus "print(bus.get_object('org.freedesktop.login1', '/org/freedesktop/login1').ListInhibitors(
    dbus_interface='org.freedesktop.login1.Manager'))"
}
session_locks() {
  on_bus "calls = bus.get_object('org.freedesktop.login1', '/org/freedesktop/login1/session/auto').GetCalls(
    dbus_interface='org.freedesktop.DBus.Mock')
print(sum(1 for c in calls if c[1] == 'Lock'))"
}

start_display 800x600x24
hash=$(printf %s secret | sha1sum | cut -d' ' -f1)
printf '[Security]\r\npasswordHash=%s\r\nsuspendNetwork=1\r\nUseWinLockStartup=1\r\n' \
  "$hash" >"$work/prog/settings.ini"
printf '[General]\r\nLayoutMode=0\r\nLayoutFile=layouts/slf/daylight.slf\r\n' >>"$work/prog/settings.ini"
DBUS_SYSTEM_BUS_ADDRESS="$bus" start_agent -savedebug
wait_for "log_text | grep -q 'Ostrel Ready'" 10 || fail "lock start-up did not finish"

[ "$(enable_calls)" = "False" ] || fail "network not suspended once: $(enable_calls)"
inhibitors | grep -q 'Ostrel 3.0' || fail "no inhibitor while locked: $(inhibitors)"
wait_for '[ "$(session_locks)" = 1 ]' || fail "the session lock was not asked for"
[ "$(media automount-open)" = false ] || fail "media still open automatically while locked"
[ "$(media autorun-never)" = true ] || fail "media programs may still start while locked"

xdotool key Tab
xdotool type --delay 15 secret
xdotool key Return
wait_for "log_text | grep -q 'Ostrel Shutdown'" || fail "right password did not end the session"
[ "$(enable_calls)" = $'False\nTrue' ] || fail "network not resumed exactly once: $(enable_calls)"
wait_for "! inhibitors | grep -q 'Ostrel 3.0'" || fail "inhibitor still held after the session"
[ "$(media automount-open)" = true ] || fail "auto-open not restored"
[ "$(media autorun-never)" = false ] || fail "autorun-never not restored"

"$bin_dir/ostrel3" /r
wait_for "! kill -0 ${agent_pids[-1]}" 10 || fail "/r did not end the agent"
echo "network suspended and resumed once, inhibitor held while locked, media settings restored"

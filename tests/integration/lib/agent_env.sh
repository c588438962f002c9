# Shared set-up for the agent's integration tests: a private home, folders and virtual display.
# Source it after setting bin_dir; it defines start_display, start_agent, wait_for, lock_window,
# log_text and cleans up on exit.

work="$(mktemp -d)"
xvfb_pid=""
agent_pids=()
cleanup() {
  for pid in "${agent_pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/prog" "$work/data" "$work/config" "$work/run"
chmod 700 "$work/run"
export HOME="$work" OSTREL_HOME="$work/prog/" XDG_DATA_HOME="$work/data" \
  XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/run/no-bus" DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/run/no-bus"
unset WAYLAND_DISPLAY
cp -r "$bin_dir/layouts" "$work/prog/"

fail() {
  echo "FAIL: $*"
  echo "--- daily log:"; cat "$work"/data/Ostrel\ 3.0/Logs/*.txt 2>/dev/null | tail -40
  echo "--- agent output:"; tail -20 "$work/agent.out" 2>/dev/null
  local pid
  for pid in "${agent_pids[@]}"; do
    [ -r "/proc/$pid/status" ] || continue
    echo "--- process $pid ($(tr '\0' ' ' <"/proc/$pid/cmdline" | cut -c1-80)): $(grep State "/proc/$pid/status"), waiting in $(cat "/proc/$pid/wchan" 2>/dev/null)"
    for task in /proc/"$pid"/task/*; do
      echo "  thread ${task##*/} $(cat "$task/comm"): $(cat "$task/wchan" 2>/dev/null) $(cut -d' ' -f1-3 "$task/syscall" 2>/dev/null)"
    done
  done
  exit 1
}

# Starts Xvfb on a free display with the given screen geometry ("1280x1024x24").
start_display() {
  local fd_file="$work/display"
  Xvfb -displayfd 3 -screen 0 "${1:-1280x1024x24}" -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 1 100); do [ -s "$fd_file" ] && break; sleep 0.05; done
  export DISPLAY=":$(head -n1 "$fd_file")"
}

# A settings.ini with the master password and the given SLF layout; extra lines follow.
write_settings() {
  local hash; hash=$(printf %s "$1" | sha1sum | cut -d' ' -f1)
  printf '[Security]\r\npasswordHash=%s\r\n[General]\r\nLayoutMode=0\r\nLayoutFile=layouts/slf/%s\r\n%s' \
    "$hash" "$2" "${3:-}" > "$work/prog/settings.ini"
}

start_agent() {
  "$bin_dir/ostrel3" "$@" >>"$work/agent.out" 2>&1 &
  agent_pids+=($!)
}

# Waits up to $2 seconds (default 5) for the command in $1 to succeed.
wait_for() {
  local deadline=$((SECONDS + ${2:-5}))
  until eval "$1" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.05
  done
}

lock_window() { xdotool search --name '^Ostrel 3\.0$' 2>/dev/null | head -n1; }
log_text() { cat "$work"/data/Ostrel\ 3.0/Logs/*.txt 2>/dev/null; }

# A private D-Bus bus with python3-dbusmock templates on it, e.g.
# `start_mocks logind:org.freedesktop.login1`; sets `bus` and defines on_bus (Python with `bus`
# connected to it). The agent reaches it as its system bus through DBUS_SYSTEM_BUS_ADDRESS.
python=/usr/bin/python3
start_mocks() {
  if ! command -v dbus-daemon >/dev/null || ! "$python" -c "import dbusmock" 2>/dev/null; then
    fail "needs dbus-daemon and python3-dbusmock"
  fi
  dbus-daemon --session --nofork --print-address=1 >"$work/bus" 2>/dev/null &
  agent_pids+=($!)
  wait_for "[ -s '$work/bus' ]" || fail "no private bus"
  bus=$(head -n1 "$work/bus")
  local template
  for template in "$@"; do
    DBUS_SESSION_BUS_ADDRESS="$bus" "$python" -m dbusmock --session -t "${template%%:*}" \
      >/dev/null 2>&1 &
    agent_pids+=($!)
    wait_for "on_bus \"assert bus.name_has_owner('${template#*:}')\"" 10 ||
      fail "no ${template%%:*} mock"
  done
}
on_bus() {
  "$python" -c "import dbus; bus = dbus.bus.BusConnection('$bus'); $1"
}

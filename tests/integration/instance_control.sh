#!/usr/bin/env bash
# One agent per user session: a second start hands over to the running instance, /r ends it,
# and a killed instance does not block the next start.
set -euo pipefail
bin_dir="$(cd "$1" && pwd)"
if [ -z "${OSTREL_TEST_DISPLAY_UP:-}" ]; then
  exec env OSTREL_TEST_DISPLAY_UP=1 xvfb-run -a -s "-screen 0 800x600x24" bash "$0" "$bin_dir"
fi

work="$(mktemp -d)"
cleanup() {
  # Only the background jobs of this script that have not been waited for.
  for pid in $(jobs -p); do kill -9 "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/home" "$work/prog" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home" OSTREL_HOME="$work/prog/" XDG_DATA_HOME="$work/data"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
agent="$bin_dir/ostrel3"
socket="$XDG_RUNTIME_DIR/ostrel3.socket"

fail() {
  echo "FAIL: $*"
  cat "$XDG_DATA_HOME/Ostrel 3.0/Logs/"*.txt 2>/dev/null || true
  exit 1
}
log_count() { cat "$XDG_DATA_HOME/Ostrel 3.0/Logs/"*.txt 2>/dev/null | grep -c -F -- "$1" || true; }
# Waits until the log holds the line at least $2 times.
wait_for_line() {
  for _ in $(seq 100); do
    [ "$(log_count "$1")" -ge "$2" ] && return 0
    sleep 0.1
  done
  fail "no line '$1' (x$2) in the log"
}
# Waits for a background agent to end; its exit code must be 0.
wait_exit() {
  for _ in $(seq 100); do
    if ! kill -0 "$1" 2>/dev/null; then
      wait "$1" || fail "agent $1 ended with $?"
      return 0
    fi
    sleep 0.1
  done
  fail "agent $1 still runs"
}
start_first() {
  "$agent" "$@" &
  first=$!
}

# A first instance in the tray, its traces in the daily log.
start_first -tray -savedebug
wait_for_line "] Starting Ostrel" 1

# The second start asks the first to lock and exits.
timeout 10 "$agent" -tray || fail "second start ended with $?"
[ "$(log_count "] dpr: AppIsRunning = true, so exit")" -eq 1 ] || fail "no AppIsRunning line"
[ "$(log_count "] Starting Ostrel")" -eq 1 ] || fail "the second start became an instance"
wait_for_line "] *received 1147 (activate)" 1
kill -0 "$first" || fail "the first instance ended on the activation"

# /r ends it.
timeout 10 "$agent" /r || fail "/r ended with $?"
wait_for_line "] *received 6999, 53 (terminate)" 1
wait_exit "$first"
[ ! -e "$socket" ] || fail "the socket outlived its instance"

# With no instance, /r says so and exits.
timeout 10 "$agent" /r || fail "/r without an instance ended with $?"
wait_for_line "] FindWindow resulted in 0!" 1

# A killed first instance leaves its socket behind, which does not block the next start.
start_first -tray
wait_for_line "] Starting Ostrel" 2
kill -9 "$first"
wait "$first" 2>/dev/null || true
[ -S "$socket" ] || fail "no socket left by the killed instance"
start_first -tray -savedebug
wait_for_line "] Starting Ostrel" 3
timeout 10 "$agent" -tray || fail "start beside the new first ended with $?"
wait_for_line "] *received 1147 (activate)" 2

# Of three simultaneous starts besides it none becomes a second first instance.
for _ in 1 2 3; do timeout 10 "$agent" -tray & done
wait_for_line "] dpr: AppIsRunning = true, so exit" 5
sleep 0.5
[ "$(log_count "] Starting Ostrel")" -eq 3 ] || fail "a simultaneous start became an instance"
timeout 10 "$agent" /r
wait_exit "$first"

# Three simultaneous starts with none running: exactly one becomes the instance.
starts=()
for _ in 1 2 3; do
  "$agent" -tray &
  starts+=($!)
done
wait_for_line "] dpr: AppIsRunning = true, so exit" 7
wait_for_line "] Starting Ostrel" 4
sleep 0.5
[ "$(log_count "] Starting Ostrel")" -eq 4 ] || fail "not exactly one instance of three starts"
timeout 10 "$agent" /r
for pid in "${starts[@]}"; do wait_exit "$pid"; done

# -halt ends the instance that reads it.
timeout 10 "$agent" -tray -halt -savedebug || fail "-halt ended with $?"
wait_for_line "] *received halt message" 1

# A preview draws into its parent window until that window goes away.
if command -v xmessage >/dev/null; then
  xmessage -title preview-parent "preview parent" &
  parent=$!
  window=$(xdotool search --sync --name preview-parent | head -1)
  "$agent" /p "$window" &
  preview=$!
  sleep 1
  kill -0 "$preview" || fail "the preview ended while its window was there"
  kill "$parent"
  wait_exit "$preview"
  [ "$(log_count "] Starting Ostrel")" -eq 5 ] || fail "the preview started an instance"
else
  echo "xmessage (x11-utils) missing: preview not checked"
fi

echo "instance control: second start, /r, killed instance, simultaneous starts, -halt: ok"

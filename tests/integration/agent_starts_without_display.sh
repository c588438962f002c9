#!/usr/bin/env bash
# `make run` on a machine without a display: the agent starts on a virtual one and writes its log;
# "/r" from outside that display ends it.
set -euo pipefail
bin_dir="$1"
repo="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
runner=""
trap '[ -n "$runner" ] && kill "$runner" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home" OSTREL_HOME="$work/home/prog/" XDG_DATA_HOME="$work/data"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" OSTREL_BIN_DIR="$bin_dir"

env -u DISPLAY -u WAYLAND_DISPLAY bash "$repo/scripts/run-agent.sh" -tray >"$work/out.txt" 2>&1 &
runner=$!
logs="$work/data/Ostrel 3.0/Logs"
for _ in $(seq 100); do
  grep -qs "\] Starting Ostrel" "$logs/"*.txt && break
  sleep 0.1
done
grep -qs "\] Starting Ostrel" "$logs/"*.txt || { echo "no start line"; cat "$work/out.txt" "$logs/"*.txt; exit 1; }
env -u DISPLAY "$bin_dir/ostrel3" /r
for _ in $(seq 100); do
  kill -0 "$runner" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$runner" 2>/dev/null && { echo "the agent did not end on /r"; exit 1; }
wait "$runner" || { echo "agent ended with $?"; cat "$work/out.txt"; exit 1; }
runner=""

grep -q "No display" "$work/out.txt" || { echo "virtual display not announced"; cat "$work/out.txt"; exit 1; }
log=$(ls "$logs/"*.txt)
grep -q -- "-- Ostrel3 log file -- created " "$log"
echo "agent started without a display, logged to $(basename "$log") and ended on /r"

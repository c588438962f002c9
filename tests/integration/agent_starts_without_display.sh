#!/usr/bin/env bash
# `make run` on a machine without a display: the agent starts on a virtual one and writes its log.
set -euo pipefail
bin_dir="$1"
repo="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home"

env -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/home" OSTREL_HOME="$work/home/prog/" \
    XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" OSTREL_BIN_DIR="$bin_dir" \
    bash "$repo/scripts/run-agent.sh" >"$work/out.txt" 2>&1 || { cat "$work/out.txt"; exit 1; }

grep -q "No display" "$work/out.txt" || { echo "virtual display not announced"; cat "$work/out.txt"; exit 1; }
log=$(ls "$work/data/Ostrel 3.0/Logs/"*.txt)
grep -q -- "-- Ostrel3 log file -- created " "$log"
grep -q "\] Starting Ostrel" "$log" || { echo "no start line in $log"; cat "$log"; exit 1; }
echo "agent started without a display and logged to $(basename "$log")"

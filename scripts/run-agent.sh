#!/usr/bin/env bash
# Runs the workstation agent on the current display, or on a virtual one when there is none.
set -euo pipefail
cd "$(dirname "$0")/.."
agent=build/bin/ostrel3
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1 || { [ -n "${DISPLAY:-}" ] && [ -S "/tmp/.X11-unix/X${DISPLAY#:}" ]; }; then
  exec "$agent" "$@"
fi
echo "No display: starting the agent on a virtual display (Xvfb)."
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$agent" "$@"

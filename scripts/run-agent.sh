#!/usr/bin/env bash
# Runs the workstation agent on the current display, or on a virtual one (Xvfb) when there is none.
set -euo pipefail
cd "$(dirname "$0")/.."
agent="${OSTREL_BIN_DIR:-build/bin}/ostrel3"
if [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; then
  exec "$agent" "$@"
fi
echo "No display: starting the agent on a virtual display (Xvfb)."
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$agent" "$@"

#!/usr/bin/env bash
# The console's command line against real agents: three `ostrel3 -tray` agents, each in its own
# network namespace, joined by veth pairs to a bridge in the test's private namespace, where the
# console runs as the agents' master (10.77.0.1). Discovery, range scan, lock, status, unlock,
# message, the "/se:" event of a refused remote unlock, and an agent that stops.
set -euo pipefail
if [ -z "${OSTREL_TEST_NETNS:-}" ]; then
  exec env OSTREL_TEST_NETNS=1 unshare -n bash "$0" "$@"
fi
bin_dir="$1"
. "$(dirname "$0")/lib/agent_env.sh"

. "$(dirname "$0")/lib/netns_agents.sh"
netns_work="$work"
agents=(1 2 3)
events_pid=""
trap '[ -n "$events_pid" ] && kill "$events_pid" 2>/dev/null; netns_cleanup; cleanup' EXIT

ip link set lo up
ip link add br0 type bridge
ip addr add 10.77.0.1/24 dev br0
ip link set br0 up
# The limited broadcast leaves through the bridge.
ip route add default dev br0
for i in "${agents[@]}"; do
  netns_start_agent "ostrel$$-$i" "veth$i" "10.77.0.1$i/24" "agent$i" 10.77.0.1
  ip link set "veth$i" master br0
done
netns_console_home "$work/console"
manager() { OSTREL_HOME="$work/console/" OSTREL_PASSWORD="${password:-secret}" "$bin_dir/ostrelmanager" "$@"; }

agent_fail() {
  for i in "${agents[@]}"; do
    echo "--- agent $i:"; tail -5 "$work/agent$i/agent.out"
    cat "$work/agent$i/data/Ostrel 3.0/Logs/"*.txt 2>/dev/null | tail -15
  done
  fail "$@"
}

for i in "${agents[@]}"; do
  wait_for "manager status 10.77.0.1$i" 20 || agent_fail "agent $i does not answer"
done

# Credentials are checked against the console's own list first.
set +e
password=wrong manager status 10.77.0.11 >"$work/out" 2>&1; status=$?
set -e
[ $status -eq 1 ] && grep -q "proper credentials" "$work/out" || fail "bad credentials: $status"

manager discover --json >"$work/discover.json" || fail "discover failed"
for i in "${agents[@]}"; do
  grep -q "\"computername\": \"agent$i\"" "$work/discover.json" || { cat "$work/discover.json"; fail "discover misses agent $i"; }
  grep -q "\"internalip\": \"10.77.0.1$i\"" "$work/discover.json" || fail "agent $i address"
done
grep -q '"status": "Unlocked"' "$work/discover.json" || fail "discover shows no status"

manager scan 10.77.0.1 10.77.0.40 --scan-timeout 500 >"$work/scan" || fail "scan failed"
for i in "${agents[@]}"; do grep -q "agent$i" "$work/scan" || { cat "$work/scan"; fail "scan misses agent $i"; }; done
grep -q "^3 workstations" "$work/scan" || { cat "$work/scan"; fail "scan count"; }

manager layouts 10.77.0.11 >"$work/layouts" || fail "layouts refused"
grep -q "^daylight.slf .*/layouts/slf/daylight.slf" "$work/layouts" || { cat "$work/layouts"; fail "layouts"; }

# Lock, status, a refused unlock and its event, unlock.
manager events >"$work/events" 2>&1 &
events_pid=$!
[ "$(manager lock 10.77.0.12)" = "locked" ] || fail "lock not done"
wait_for "manager status 10.77.0.12 | grep -q '^status *Locked'" 20 || fail "agent 2 not locked"

set +e
password=guess manager unlock 10.77.0.12 --user intruder >"$work/out" 2>&1; status=$?
set -e
[ $status -eq 1 ] || { cat "$work/out"; fail "a wrong unlock was not refused: $status"; }
wait_for "grep -q 'UDP: Security Event: From 10.77.0.12:[0-9]* : .*intruder' '$work/events'" 20 ||
  { cat "$work/events"; agent_fail "no security event from the refused unlock"; }

manager unlock 10.77.0.12 >"$work/out" || { cat "$work/out"; fail "unlock refused"; }
grep -q "unlocking" "$work/out" || fail "unlock reply"
wait_for "manager status 10.77.0.12 | grep -q '^status *Unlocked'" 20 || fail "agent 2 still locked"

text=$'Line one & two\nsecond line: 100% + /halt ~'
manager message 10.77.0.13 --from "Ann Admin" --subject "a+b" --text "$text" >"$work/out" ||
  { cat "$work/out"; fail "message refused"; }
grep -q "leaving msg..." "$work/out" || fail "message reply"
wait_for "grep -q 'Message from remote address 10.77.0.1' \"$work\"/agent3/data/Ostrel\ 3.0/Logs/*.txt" 10 ||
  agent_fail "message not logged by agent 3"
manager status 10.77.0.13 >/dev/null || fail "agent 3 halted by a message text"

# A stopped agent is gone at the next discovery (now through a directed broadcast).
{ kill -9 "${netns_agent_pids[0]}" && wait "${netns_agent_pids[0]}"; } 2>/dev/null || true
manager discover --broadcast 10.77.0.255 >"$work/discover2" || fail "second discover failed"
grep -q "agent1" "$work/discover2" && { cat "$work/discover2"; fail "stopped agent still listed"; }
grep -q "agent2" "$work/discover2" && grep -q "agent3" "$work/discover2" || fail "second discover"
echo "console: discover, scan, layouts, lock, status, unlock, message, events and a stopped agent"

#!/usr/bin/env bash
# Range scan of a /16 (65,536 addresses) with a 2000 ms connect time-out, in a private network
# namespace: the range is routed into a sink namespace that forwards it onto a blackhole route,
# so connections vanish without an answer and really time out, except for a few real agents,
# each in its own namespace behind a host route. Prints the
# time against the bound of one time-out per 20 addresses, the console's largest resident size,
# and how many agents the scan found. Runs as root: bash bench/range_scan.sh BIN_DIR [IN_FLIGHT]
set -euo pipefail
if [ -z "${OSTREL_BENCH_NETNS:-}" ]; then
  exec env OSTREL_BENCH_NETNS=1 unshare -n bash "$0" "$@"
fi
bin_dir="$(cd "$1" && pwd)"
in_flight="${2:-4096}"
timeout_ms=2000
agent_count=3
work="$(mktemp -d)"
netns_work="$work"
. "$(dirname "$0")/../tests/integration/lib/netns_agents.sh"
trap 'netns_cleanup; rm -rf "$work"' EXIT

ip link set lo up
sink="ostrelsink$$"
ip netns add "$sink"
netns_names+=("$sink")
ip link add vsink type veth peer name eth0 netns "$sink"
ip addr add 10.79.0.1/30 dev vsink
ip link set vsink up
ip -n "$sink" addr add 10.79.0.2/30 dev eth0
ip -n "$sink" link set eth0 up
ip netns exec "$sink" sysctl -qw net.ipv4.ip_forward=1
ip -n "$sink" route add blackhole 10.78.0.0/16
ip route add 10.78.0.0/16 via 10.79.0.2
for i in $(seq "$agent_count"); do
  address="10.78.$((i * 60)).$((i * 7))"
  netns_start_agent "ostrelbench$$-$i" "vb$i" "$address/32" "bench$i" 10.79.0.1
  ip route add "$address/32" dev "vb$i"
done
netns_console_home "$work/console"
manager=(env HOME="$work" XDG_CONFIG_HOME="$work/config" OSTREL_HOME="$work/console/"
  OSTREL_PASSWORD=secret "$bin_dir/ostrelmanager")
for i in $(seq "$agent_count"); do
  address="10.78.$((i * 60)).$((i * 7))"
  for _ in $(seq 200); do "${manager[@]}" status "$address" >/dev/null 2>&1 && break; sleep 0.1; done
done

/usr/bin/time -f "%e %M" -o "$work/time" "${manager[@]}" scan 10.78.0.0 10.78.255.255 \
  --scan-timeout "$timeout_ms" --parallel "$in_flight" --json >"$work/scan.json"
read -r seconds max_rss_kb <"$work/time"
found=$(grep -c '"computername"' "$work/scan.json" || true)
bound=$(awk -v t="$timeout_ms" 'BEGIN { printf "%.0f", 65536 / 20 * t / 1000 }')
echo "range scan of 65536 addresses, ${timeout_ms} ms connect time-out, ${in_flight} in flight:"
echo "  time ${seconds} s (bound of N/20 time-outs: ${bound} s; goal under 60 s)"
echo "  console max RSS ${max_rss_kb} KB"
echo "  agents found ${found} of ${agent_count}"

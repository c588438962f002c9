# Real agents in network namespaces of their own. Source it and set `bin_dir` and `netns_work`
# (a folder for the agents' homes); `netns_cleanup` stops the agents and removes the namespaces.
netns_agent_pids=()
netns_names=()

netns_cleanup() {
  for pid in "${netns_agent_pids[@]}"; do { kill -9 "$pid" && wait "$pid"; } 2>/dev/null || true; done
  for ns in "${netns_names[@]}"; do ip netns delete "$ns" 2>/dev/null || true; done
}

# Creates namespace NS joined to this namespace by a veth pair whose near end is LINK, and
# starts `ostrel3 -tray` there with host name HOST resolving to ADDRESS (given with its prefix
# length, "10.77.0.11/24"), MasterIP MASTER and the master password "secret". The caller
# connects LINK (a bridge port or a host route).
netns_start_agent() {
  local ns="$1" link="$2" address="$3" host="$4" master="$5"
  local home="$netns_work/$host"
  ip netns add "$ns"
  netns_names+=("$ns")
  ip link add "$link" type veth peer name eth0 netns "$ns"
  ip link set "$link" up
  ip -n "$ns" link set lo up
  ip -n "$ns" addr add "$address" dev eth0
  ip -n "$ns" link set eth0 up
  ip -n "$ns" route add default dev eth0 2>/dev/null || true
  mkdir -p "$home/prog" "$home/data" "$home/config" "$home/run"
  chmod 700 "$home/run"
  cp -r "$bin_dir/layouts" "$home/prog/"
  printf '[Security]\r\npasswordHash=%s\r\nMasterIP=%s\r\n[General]\r\nLayoutMode=0\r\nLayoutFile=layouts/slf/daylight.slf\r\n' \
    "$(printf %s secret | sha1sum | cut -d' ' -f1)" "$master" >"$home/prog/settings.ini"
  printf '127.0.0.1 localhost\n%s %s\n' "${address%/*}" "$host" >"$home/hosts"
  # Its own host name (a UTS namespace) that resolves to its own address.
  ip netns exec "$ns" env HOME="$home" OSTREL_HOME="$home/prog/" XDG_DATA_HOME="$home/data" \
    XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=offscreen \
    unshare --uts --mount sh -c "mount --bind '$home/hosts' /etc/hosts && hostname '$host' &&
      exec '$bin_dir/ostrel3' -tray" >"$home/agent.out" 2>&1 &
  netns_agent_pids+=($!)
}

# The console's own program folder with the accounts "administrator" (password "secret", Admin)
# and "intruder" ("guess", Unlock), which no agent knows.
netns_console_home() {
  mkdir -p "$1"
  printf '[administrator]\r\nPassword=%s\r\nPermissions=2\r\n[intruder]\r\nPassword=%s\r\nPermissions=1\r\n' \
    "$(printf %s secret | sha1sum | cut -d' ' -f1)" "$(printf %s guess | sha1sum | cut -d' ' -f1)" \
    >"$1/userlist.dat"
}

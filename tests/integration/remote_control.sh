#!/usr/bin/env bash
# The remote-control endpoint of `ostrel3 -tray` from outside, in a private network namespace on
# the offscreen platform: raw HTTP requests and their replies byte for byte, the status report,
# the discovery answer, a "/se:" datagram to the master, the daily log's lines, and the address
# check with and without a matching pattern.
set -euo pipefail
if [ -z "${OSTREL_TEST_NETNS:-}" ]; then
  exec env OSTREL_TEST_NETNS=1 unshare -n bash "$0" "$@"
fi
ip link set lo up
bin_dir="$1"
lib="$(dirname "$0")/lib"
. "$lib/agent_env.sh"
export QT_QPA_PLATFORM=offscreen
unset DISPLAY XRDP_SESSION X2GO_SESSION
python=/usr/bin/python3
net() { "$python" "$lib/raw_net.py" "$@"; }

hash_of() { printf %s "$1" | sha1sum | cut -d' ' -f1; }
A="s_username=&s_password=secret"
R="s_username=carl&s_password=carlpw"
prog="$work/prog/"
printf '[administrator]\r\nPassword=%s\r\nPermissions=2\r\n[alice]\r\nPassword=%s\r\nPermissions=1\r\n[carl]\r\nPassword=%s\r\nPermissions=0\r\n' \
  "$(hash_of secret)" "$(hash_of alicepw)" "$(hash_of carlpw)" >"$prog/userlist.dat"
settings() {  # $1: the AllowedRemoteIPs lines
  printf '[Security]\r\npasswordHash=%s\r\nMasterIP=127.0.0.3\r\nreportSecurityEvents=1\r\nLogBadPasswords=1\r\nallowRemoteUnlocking=1\r\n%s[General]\r\nLayoutMode=0\r\nLayoutFile=layouts/slf/midnight.slf\r\n' \
    "$(hash_of secret)" "$1" >"$prog/settings.ini"
}

# Sends "METHOD URI HTTP/1.1" and a Host header from the source address (default 127.0.0.1);
# the reply is in $work/reply.
request() {
  printf '%s %s HTTP/1.1\r\nHost: 127.0.0.1:8777\r\n\r\n' "$1" "$2" >"$work/request"
  net http "${3:-127.0.0.1}" "$work/request" "$work/reply"
}
# The reply the server writes: status line with the first line of the text, headers, a body line
# per further argument.
reply_text() {
  printf 'HTTP/1.1 %s\r\nContent-Type: text/html\r\nConnection: close\r\nServer: Ostrel3\r\n\r\n' "$1"
  shift
  local body
  for body in "$@"; do printf '<HTML><BODY><B>200 %s</B></BODY></HTML>\r\n' "$body"; done
}
expect_reply() {  # what, status, bodies...
  local what="$1"; shift
  reply_text "$@" >"$work/expected"
  cmp -s "$work/expected" "$work/reply" ||
    fail "$what: $(diff <(od -An -c "$work/expected") <(od -An -c "$work/reply") | head -60)"
}
status_of() { request GET "/query?$A"; grep -ao '<status>[A-Za-z]*</status>' "$work/reply" || true; }
listening() { "$python" -c "import socket; socket.create_connection(('127.0.0.1', 8777), 1)"; }

# Started directly, not through the function: a killed subshell would leave its python behind,
# holding the test's output open.
"$python" "$lib/raw_net.py" sink 127.0.0.3 8778 "$work/datagrams" &
agent_pids+=($!)
settings $'AllowedRemoteIPs=192.168.1.*\r\nAllowedRemoteIPs=127.0.0.22*\r\n'
start_agent -tray -savedebug
wait_for listening 20 || fail "the agent does not listen on 8777"

# Discovery: the internal address, always to the sender.
internal=$(net udp 127.0.0.1 "/query?sendto=127.0.0.9" 127.0.0.9) || fail "discovery answered elsewhere"
[ "$internal" != "<none>" ] || fail "no discovery answer"
[ "$(net udp 127.0.0.1 "hello")" = "<none>" ] || fail "a datagram without /query? was answered"

# The address check: 127.0.0.2 matches no pattern and gets the bare status line.
request GET "/query?$A" 127.0.0.2
expect_reply "rejected address" "200 OK"

# The status report, byte for byte; uptime and lock time are taken from the reply once they
# agree with the kernel's.
request GET "/query?$A"
uptime=$(grep -ao '<uptime>[0-9]*</uptime>' "$work/reply" | tr -dc 0-9)
boot=$(cut -d. -f1 /proc/uptime)
[ $((boot - uptime)) -le 3 ] && [ $((uptime - boot)) -le 3 ] || fail "uptime $uptime, kernel $boot"
locktime=$(grep -ao '<locktime>[0-9]*</locktime>' "$work/reply" | tr -dc 0-9)
[ $((uptime - locktime)) -le 1 ] && [ $((locktime - uptime)) -le 1 ] || fail "never locked: locktime $locktime"
group=$(grep -ao '<group>[^<]*</group>' "$work/reply" | sed 's/<[^>]*>//g')
# /sys/class/net shows the adapters of the namespace that mounted it.
mac=$(grep -ao '<mac>[^<]*</mac>' "$work/reply" | sed 's/<[^>]*>//g')
grep -Eqx '([0-9A-F]{2}-){5}[0-9A-F]{2}|mac not found' <<<"$mac" || fail "mac: $mac"
report="<computername>$(hostname)</computername>"$'\r'"<internalip>$internal</internalip>"$'\r'
report+="<mac>$mac</mac>"$'\r'"<group>$group</group>"$'\r<status>Unlocked</status>\r'
report+=$'<idletime>0</idletime>\r'"<uptime>$uptime</uptime>"$'\r'"<currentuser>$(id -un)</currentuser>"$'\r'
report+=$'<ostrelversion>3.0.0.0</ostrelversion>\r<comments>comment</comments>\r'
report+=$'<masterip>127.0.0.3</masterip>\r<layout>midnight.slf</layout>\r<rdp>0</rdp>\r'
report+="<locktime>$locktime</locktime>"
[ -n "$group" ] || fail "no group"
expect_reply "status report" "200 <computername>$(hostname)</computername>" "$report"
request HEAD "/query?$A"
expect_reply "HEAD" "200 <computername>$(hostname)</computername>"
request DELETE "/halt?$A"
[ ! -s "$work/reply" ] || fail "DELETE was answered: $(cat "$work/reply")"

# Refused requests: the refusal text, sent or only in the status line.
while IFS='|' read -r path text sent; do
  request GET "/$path?$R"
  if [ "$sent" = sent ]; then expect_reply "refused $path" "200 $text" "$text"
  else expect_reply "refused $path" "200 $text"; fi
done <<'TABLE'
query|unauthenticated,  you are not admin|
listlayouts|unauthenticated|
listlogs|unauthenticated|
getlog|unauthenticated|
lock|cant lock, not authenticated|
changelayout|cant lock, not authenticated|sent
viewupdatescript|cant view script, not authenticated|sent
runupdatescript|cant run update script, not authenticated|sent
update|cant update, not authenticated|
halt|cant halt, not authenticated|sent
getuserlist|cant fetch user list, not authenticated|sent
unlock|cant Shutdown, not authenticated|sent
standby|Cant Standby, not authenticated|sent
hibernate|Cant Hibernbate, not authenticated|sent
remotemessage|Cant message, not authenticated|sent
shutdowncomp|cant shut down computer, not authenticated|sent
TABLE
request GET "/nothing?s_username=alice&s_password=wrong"
expect_reply "bad password" "200 incorrect password"
request GET "/readlog?$A"
expect_reply "readlog" "200 OK"

# Authorised requests.
slf=$(find "${prog}layouts/slf" -maxdepth 1 -type f -iname '*.slf' | LC_ALL=C sort)
htm=$(find "${prog}layouts/html" -maxdepth 1 -type f \( -iname '*.htm' -o -iname '*.htm?' \) | LC_ALL=C sort)
php=$(find "${prog}layouts/html" -maxdepth 1 -type f \( -iname '*.php' -o -iname '*.php?' \) | LC_ALL=C sort)
[ -n "$php" ] || php="${prog}layouts/html/"
layouts=$(printf '%s\r\n' $slf $htm $php; printf x)
layouts="<layoutlist>${layouts%x}</layoutlist>"
request GET "/listlayouts?$A"
expect_reply "listlayouts" "200 <layoutlist>$(head -n1 <<<"$slf")" "$layouts"

today=$(date +%-m/%-d/%Y)
request GET "/listlogs?date=$today&$A"
expect_reply "listlogs" "200 <loglist>$(date +%-d),</loglist>" "<loglist>$(date +%-d),</loglist>"$'\r\n'
request GET "/getlog?date=1/1/2001&$A"
expect_reply "getlog without log" "200 No log file for 1/1/2001" "No log file for 1/1/2001"
request GET "/getlog?date=$today&$A"
grep -aq 'Listlogs requested' "$work/reply" || fail "getlog: $(head -c 300 "$work/reply")"
request GET "/getlog?date=someday&$A"
printf "HTTP/1.1 500 'someday' is not a valid date\r\nContent-Type: text/html\r\nConnection: close\r\nServer: Ostrel3\r\n\r\n'someday' is not a valid date" >"$work/expected"
cmp -s "$work/expected" "$work/reply" || fail "bad date: $(cat "$work/reply")"

request GET "/viewupdatescript?$A"
expect_reply "no update script" "200 The file ${prog}update.sh does not exist." \
  "The file ${prog}update.sh does not exist."
printf 'pwd >"%s"\n' "$work/script_ran" >"${prog}update.sh"
request GET "/viewupdatescript?$A"
expect_reply "update script" "200 pwd >\"$work/script_ran\"" "pwd >\"$work/script_ran\""$'\n'
request GET "/runupdatescript?$A&params=flags=hidden"
expect_reply "runupdatescript" "200 Script was run."
wait_for "[ -s '$work/script_ran' ]" || fail "the update script did not run"
[ "$(cat "$work/script_ran")" = "${prog%/}" ] || fail "script ran in $(cat "$work/script_ran")"

request GET "/update?$A"
expect_reply "update" "200 Update initiated" "Update initiated"
users=$(cat "$prog/userlist.dat"; printf x)
request GET "/getuserlist?$A"
expect_reply "getuserlist" "200 <userlist>[administrator]" "<userlist>${users%x}</userlist>"
request GET "/changelayout?$A&s_layout=${prog}layouts/slf/$(basename "$(tail -n1 <<<"$slf")")"
expect_reply "changelayout" "200 locked" "locked"
request GET "/query?$A"
grep -aq "<layout>$(basename "$(tail -n1 <<<"$slf")")</layout>" "$work/reply" || fail "layout not changed"
request GET "/standby?$A"
expect_reply "standby" "200 Standing by.." "Standing by.."
request GET "/hibernate?$A"
expect_reply "hibernate" "200 Hibernating..." "Hibernating..."
request GET "/shutdowncomp?$A&params=flags=-s -t 30"
expect_reply "shutdowncomp without logind" \
  "200 Remote shutdown failed because command could not execute." \
  "Remote shutdown failed because command could not execute."
request GET "/unlock?s_username=alice&s_password=alicepw"
expect_reply "unlock" "200 Shutting down..." "Shutting down..." "unlocking"
# Raw blanks in the URI, and paths inside values run nothing.
request GET "/remotemessage?$A&params=&mfrom=Bob&msubject=Hi there&mbody=see /halt and /lock now"
expect_reply "remotemessage with raw blanks" "200 leaving msg..." "leaving msg..."
sleep 0.5
[ "$(status_of)" = "<status>Unlocked</status>" ] || fail "a path inside a value ran"

# Lock and unlock.
request GET "/lock?$A"
expect_reply "lock" "200 locked" "locked"
wait_for '[ "$(status_of)" = "<status>Locked</status>" ]' 15 || fail "not Locked after /lock"
request GET "/unlock?s_username=alice&s_password=alicepw"
expect_reply "unlock while locked" "200 Shutting down..." "Shutting down..." "unlocking"
wait_for '[ "$(status_of)" = "<status>Unlocked</status>" ]' 15 || fail "not Unlocked after /unlock"

# A message and a refused remote unlock while locked.
request GET "/lock?$A"
wait_for '[ "$(status_of)" = "<status>Locked</status>" ]' 15 || fail "not Locked again"
# A message while locked is stored (the reader would then open when the session ends).
request GET "/remotemessage?$A&mfrom=Ann&msubject=Note&mbody=Back at 3&memail=ann@example.org"
expect_reply "remotemessage while locked" "200 leaving msg..." "leaving msg..."
wait_for "log_text | grep -q 'lblMessageCount: 1 Message[^s]'" || fail "the message was not stored"
request GET "/unlock?s_username=alice&s_password=wrong"
expect_reply "refused unlock while locked" "200 cant Shutdown, not authenticated" \
  "cant Shutdown, not authenticated"
wait_for "grep -qx '/se:Incorrect username/password entered for user: alice' '$work/datagrams'" ||
  fail "no /se: datagram: $(cat "$work/datagrams" 2>/dev/null)"

# The daily log.
while read -r line; do
  log_text | grep -qF "] $line" || fail "log line missing: $line"
done <<EOF2
Unsuccessful remote Query by 127.0.0.1
Unsuccessful remote layout query by 127.0.0.1
Unsuccessful remote request for Log File by 127.0.0.1
Unsuccessful remote lock by remote address 127.0.0.1
Unsuccessful Shutdown attempt by remote address 127.0.0.1
Unsuccessful computer shutdown attempt by remote address 127.0.0.1
Listlogs requested. Date = $today. HTTP =GET /listlogs?date=$today&s_username=&s_password=******* HTTP/1.1
Update script viewed by 127.0.0.1
Update Script run by remote address 127.0.0.1
Update by remote address 127.0.0.1
Default layout changed by remote address 127.0.0.1
Standby by remote address 127.0.0.1
System going into Stand By
Hibernbate by remote address 127.0.0.1
System going into Hibernate
Computer shutdown by remote address 127.0.0.1
Remote shutdown failed because command could not execute.
Shutdown by remote address 127.0.0.1
Message from remote address 127.0.0.1
Locked by remote address 127.0.0.1
Security Event: Incorrect username/password entered for user: alice
EOF2
if log_text | grep -q 'secret'; then fail "a password reached the log"; fi
kill -9 "${agent_pids[-1]}"
wait_for "! kill -0 ${agent_pids[-1]}" || fail "first agent still running"

# A matching pattern admits 127.0.0.2; /halt ends the program.
settings $'AllowedRemoteIPs=192.168.1.*\r\nAllowedRemoteIPs=127.0.0.*\r\n'
start_agent -tray
wait_for listening 20 || fail "the second agent does not listen"
request GET "/query?$A" 127.0.0.2
# (The first agent's lock may be restored here, so the status may read Locked.)
grep -aq '<status>[A-Za-z]*</status>' "$work/reply" || fail "127.0.0.2 not admitted: $(cat "$work/reply")"
request GET "/halt?$A" 127.0.0.2
expect_reply "halt" "200 OK, halting." "OK, halting."
wait_for "! kill -0 ${agent_pids[-1]}" 15 || fail "/halt did not end the agent"
wait "${agent_pids[-1]}" || fail "the agent ended with $?"
echo "remote control: replies, status report, discovery, /se: datagram and daily log as expected"

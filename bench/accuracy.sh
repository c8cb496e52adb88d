#!/usr/bin/env bash
# Figure 2, accuracy: the ping, connect and load times that Orvalen.exe reports (its log,
# with every Up and Open result logged) for answering loopback targets, beside the same
# targets measured in the same minute by iputils ping and curl; and one page that the
# server answers only after 50 ms.
source "$(dirname "$0")/lib.sh"
SECONDS_RUN="${BENCH_ACCURACY_SECONDS:-60}"

start_fixture python3 "$ROOT/tests/fixtures/netcheck_server.py"
start_fixture python3 "$ROOT/tests/fixtures/delayed_page_server.py"
DELAY_MS=50
appdata="$OUT/appdata"
new_appdata "$appdata"
write_main_ini "$appdata" <<INI
[main]
FirstStart=0
PosX=0
PosY=0
NumBox=4
TimeOut=3000
EnableLog=1
LogEveryCheck=1
[Box 0]
Name=ping
CheckMethod=1
IPorURLAddress=127.0.0.1
CheckInterval=1
[Box 1]
Name=tcp
CheckMethod=2
IPorURLAddress=127.0.0.1
Port=$NETFIX_HTTP4
CheckInterval=1
[Box 2]
Name=url
CheckMethod=3
IPorURLAddress=http://127.0.0.1:$NETFIX_HTTP4/phrase
Phrase=orvalen-phrase
CheckInterval=1
[Box 3]
Name=delayed
CheckMethod=3
IPorURLAddress=http://127.0.0.1:$DELAY_HTTP4/delay/$DELAY_MS
Phrase=orvalen-phrase
CheckInterval=1
INI

note "Orvalen and the reference tools on the same targets for $SECONDS_RUN s"
start_orvalen "$appdata"
ping -n -i 1 -c "$SECONDS_RUN" 127.0.0.1 >"$OUT/ping.txt" 2>&1 &
UNIX_PIDS+=($!)
ping_pid=$!
: >"$OUT/curl.txt"
: >"$OUT/curl-delayed.txt"
for _ in $(seq 1 "$SECONDS_RUN"); do
    curl -s -o /dev/null -w 'connect=%{time_connect} total=%{time_total}\n' \
        "http://127.0.0.1:$NETFIX_HTTP4/phrase" >>"$OUT/curl.txt" || true
    curl -s -o /dev/null -w 'connect=%{time_connect} total=%{time_total}\n' \
        "http://127.0.0.1:$DELAY_HTTP4/delay/$DELAY_MS" >>"$OUT/curl-delayed.txt" || true
    sleep 1
done
wait "$ping_pid" || true
drv close "Orvalen " >/dev/null
drv wait-pid "$LAST_PID" 20000 >/dev/null || true
sleep 1

python3 "$BENCH_SRC/figures.py" accuracy "$OUT"

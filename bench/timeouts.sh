#!/usr/bin/env bash
# Figure 1, time-outs honoured: for each method and each way a host can fail to
# answer, the program's own check (checktimer.exe runs CNetCheck) is timed against a
# loopback fixture at time-outs of 1500 and 3000 ms. All cases run at once, each in a
# process of its own, one check after the other, as monitoring threads would. A page that
# keeps arriving is no time-out case: the check reads it to its end (or its 60 s limit).
source "$(dirname "$0")/lib.sh"
SAMPLES="${BENCH_TIMEOUT_SAMPLES:-20}"

start_fixture python3 "$ROOT/tests/fixtures/netcheck_server.py"
icmp_ignore_echo 1
unreachable_route_on

# case name | method | target | port
cases=(
    "Ping: echo ignored|ping4|127.0.0.1|0"
    "Ping: unreachable route|ping4|127.0.0.3|0"
    "TCP IPv4: connects dropped|tcp4|127.0.0.1|$NETFIX_FULL4"
    "TCP IPv4: unreachable route|tcp4|127.0.0.3|$NETFIX_HTTP4"
    "TCP IPv6: connects dropped|tcp6|::1|$NETFIX_FULL6"
    "URL: silent server|url|http://127.0.0.1:$NETFIX_SILENT4/|0"
    "URL: stall after headers|url|http://127.0.0.1:$NETFIX_HTTP4/stall|0"
    "URL: stall inside the headers|url|http://127.0.0.1:$NETFIX_HTTP4/headerstall|0"
    "URL: connects dropped|url|http://127.0.0.1:$NETFIX_FULL4/|0"
    "URL: unreachable route|url|http://127.0.0.3:$NETFIX_HTTP4/|0"
)

note "timing ${#cases[@]} cases x 2 time-outs, $SAMPLES checks each"
pids=()
n=0
for timeout in 1500 3000; do
    for c in "${cases[@]}"; do
        IFS='|' read -r name method target port <<<"$c"
        file="$OUT/case-$n.txt"
        printf 'case=%s\ntimeout=%s\n' "$name" "$timeout" >"$file"
        wine "$BIN/checktimer.exe" "$method" "$target" "$port" "$timeout" "$SAMPLES" orvalen-phrase \
            </dev/null 2>/dev/null >>"$file" &
        pids+=($!)
        UNIX_PIDS+=($!)
        n=$((n + 1))
    done
done
for pid in "${pids[@]}"; do wait "$pid" || true; done

python3 "$BENCH_SRC/figures.py" timeouts "$OUT"/case-*.txt

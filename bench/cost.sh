#!/usr/bin/env bash
# Figure 3, cost at the program's largest load: 70 monitors checking loopback every
# second (Ping, TCP, URL) for BENCH_MINUTES. Sampled every 5 s: CPU time of the Orvalen
# process, of this session's wineserver and of fping doing the same 70 pings a second
# (from /proc), resident memory (from /proc), and from inside Wine (orvdriver.exe watch)
# private bytes, working set, threads, handles, GDI objects and how fast the window
# answers a message. Before that, side by side: 70 Ping monitors against fping and 70 URL
# monitors against curl (BENCH_COMPARE_ONLY=1: only these).
source "$(dirname "$0")/lib.sh"
MINUTES="${BENCH_MINUTES:-10}"
SECONDS_RUN=$((MINUTES * 60))
INTERVAL=5

start_fixture python3 "$ROOT/tests/fixtures/netcheck_server.py"
PAGE="http://127.0.0.1:$NETFIX_HTTP4/phrase"

# Side by side: 70 monitors of one method against a reference tool doing the same work,
# each for half of BENCH_MINUTES after a warm-up (side_by_side, in lib.sh).
COMPARE_S=$((MINUTES * 30))
compare() {  # ping|url
    local kind="$1" appdata="$OUT/appdata-$1"
    new_appdata "$appdata"
    write_one_method_ini "$appdata" "$kind" "$PAGE"
    start_orvalen "$appdata"
    drv wait-window "Orvalen " 20000 >/dev/null
    side_by_side "$kind" "$PAGE" "$COMPARE_S"
    drv close "Orvalen " >/dev/null
    drv wait-pid "$LAST_PID" 20000 >/dev/null || true
}
echo "clock_ticks=$(getconf CLK_TCK)" >"$OUT/compare.txt"
compare ping
compare url
if [ -n "${BENCH_COMPARE_ONLY:-}" ]; then
    python3 "$BENCH_SRC/figures.py" compare "$OUT"
    exit 0
fi

appdata="$OUT/appdata"
new_appdata "$appdata"
write_seventy_ini "$appdata"
start_orvalen "$appdata"
drv wait-window "Orvalen " 20000 >/dev/null
orvalen="$(orvalen_unix_pid)"
server="$(wineserver_unix_pid)"

# The reference: fping sending the same 70 echoes a second, to 70 loopback addresses.
ping_reference &
fping_pid=$!
UNIX_PIDS+=($fping_pid)

note "sampling for $MINUTES min (Orvalen $LAST_PID, Unix $orvalen; wineserver $server; fping $fping_pid)"
wine "$BIN/orvdriver.exe" watch "$LAST_PID" "Orvalen " $((INTERVAL * 1000)) "$SECONDS_RUN" \
    </dev/null >"$OUT/watch.txt" 2>/dev/null &
watch_pid=$!
UNIX_PIDS+=($watch_pid)
ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo -1; }
rss() { awk '/^VmRSS/ {print $2}' "/proc/$1/status" 2>/dev/null || echo -1; }
echo "clock_ticks=$(getconf CLK_TCK) interval_s=$INTERVAL" >"$OUT/proc.txt"
start=$(date +%s.%N)
for _ in $(seq 0 $((SECONDS_RUN / INTERVAL))); do
    now=$(date +%s.%N)
    echo "t_s=$(awk -v a="$now" -v b="$start" 'BEGIN {printf "%.1f", a - b}') orvalen_ticks=$(ticks "$orvalen") orvalen_rss_kb=$(rss "$orvalen")" \
        "server_ticks=$(ticks "$server") fping_ticks=$(ticks "$fping_pid")" >>"$OUT/proc.txt"
    sleep "$INTERVAL"
done
wait "$watch_pid" || true
kill "$fping_pid" 2>/dev/null || true
drv close "Orvalen " >/dev/null
drv wait-pid "$LAST_PID" 20000 >"$OUT/exit.txt" || echo "did not end" >"$OUT/exit.txt"

# What one check of each method leaves behind, each method in a process of its own.
note "memory per check, by method"
growers=()
wine "$BIN/checktimer.exe" ping4 127.0.0.1 0 3000 4000 </dev/null >"$OUT/grow-ping.txt" 2>/dev/null &
growers+=($!)
wine "$BIN/checktimer.exe" tcp4 127.0.0.1 "$NETFIX_HTTP4" 3000 4000 </dev/null >"$OUT/grow-tcp.txt" 2>/dev/null &
growers+=($!)
wine "$BIN/checktimer.exe" url "http://127.0.0.1:$NETFIX_HTTP4/phrase" 0 3000 4000 orvalen-phrase \
    </dev/null >"$OUT/grow-url.txt" 2>/dev/null &
growers+=($!)
UNIX_PIDS+=("${growers[@]}")
for pid in "${growers[@]}"; do wait "$pid" || true; done

python3 "$BENCH_SRC/figures.py" compare "$OUT"
python3 "$BENCH_SRC/figures.py" cost "$OUT"

#!/usr/bin/env bash
# Wineserver requests a check (not one of the figures run by default; name it:
# `bash scripts/bench.sh requests`): 70 Ping monitors, then 70 URL monitors, each checking
# every second, under a wineserver restarted with its request trace on (-d1). After a
# warm-up, BENCH_TRACE_S seconds of the trace (10 by default) are counted by thread,
# and each thread is named by what it does. Under Wine the cost of a check follows the
# requests and the thread switches they make, so this is where a change's effect shows
# without the noise of CPU figures. Then the same for callfloor.exe, which makes only the
# calls a check is made of (see floor.sh): its check threads send the reports, so they are
# counted as monitoring threads. The wineserver is restarted again, untraced, at the end.
source "$(dirname "$0")/lib.sh"
TRACE_S="${BENCH_TRACE_S:-10}"
WARM_S=15

start_fixture python3 "$ROOT/tests/fixtures/netcheck_server.py"
PAGE="http://127.0.0.1:$NETFIX_HTTP4/phrase"

# Restarts this session's wineserver, tracing into $1 when given.
restart_server() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    if [ -n "${1:-}" ]; then
        wineserver -f -p -d1 2>"$1" </dev/null >/dev/null &
        UNIX_PIDS+=($!)
    else
        wineserver -p </dev/null >/dev/null 2>&1 &
    fi
    # The session's services start again before the program does.
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

trace_load() {  # ping|url [callfloor]
    local kind="$1" program="${2:-Orvalen}" appdata="$OUT/appdata-$1" trace="$OUT/server-$1.txt" from to
    restart_server "$trace"
    if [ "$program" = callfloor ]; then
        start_callfloor "$kind" "$PAGE"
    else
        new_appdata "$appdata"
        write_one_method_ini "$appdata" "$kind" "$PAGE"
        start_orvalen "$appdata"
        drv wait-window "Orvalen " 20000 >/dev/null
    fi
    sleep "$WARM_S"
    from=$(stat -c %s "$trace")
    sleep "$TRACE_S"
    to=$(stat -c %s "$trace")
    note "$kind ($program): $((to - from)) bytes of trace in $TRACE_S s"
    if [ "$program" = callfloor ]; then
        drv kill "$LAST_PID" >/dev/null || true
        kind="$kind, the calls alone (callfloor.exe)"
    else
        drv close "Orvalen " >/dev/null
        drv wait-pid "$LAST_PID" 20000 >/dev/null || true
    fi
    python3 "$BENCH_SRC/request_counts.py" "$trace" "$from" "$to" "$TRACE_S" "$kind" >>"$OUT/counts.md"
    rm -f "$trace"
}

echo "### Wineserver requests a check"
echo
echo "70 monitors of one method checking every second; $TRACE_S s of wineserver's request trace after a ${WARM_S} s warm-up."
echo
: >"$OUT/counts.md"
trace_load ping
trace_load url
trace_load ping callfloor
trace_load url callfloor
restart_server
cat "$OUT/counts.md"

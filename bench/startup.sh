#!/usr/bin/env bash
# Figure 4, start-up: from the creation of the Orvalen process until all 70 boxes show
# their first result on the screen (startwatch.exe reads the boxes' pixels), over
# several starts, each with a fresh data folder (ORVALEN_EXE: another build of the program).
source "$(dirname "$0")/lib.sh"
STARTS="${BENCH_STARTS:-5}"

start_fixture python3 "$ROOT/tests/fixtures/netcheck_server.py"
for run in $(seq 1 "$STARTS"); do
    appdata="$OUT/appdata$run"
    new_appdata "$appdata"
    # No information lines: the corner that startwatch reads shows the box's colour.
    write_seventy_ini "$appdata" ShowIPAddress=0 ShowMethod=0 ShowStatus=0 ShowReplyTime=0
    wine "$BIN/startwatch.exe" "$(winpath "$appdata")" "$(winpath "${ORVALEN_EXE:-$BIN/Orvalen.exe}")" 70 60 60 \
        "$SEVENTY_UP_COLOUR" 60000 </dev/null 2>/dev/null | tr -d '\r' >"$OUT/start$run.txt" || true
    pid="$(sed -n 's/^pid=//p' "$OUT/start$run.txt")"
    [ -n "$pid" ] && WIN_PIDS+=("$pid")
    note "start $run: $(tail -n 1 "$OUT/start$run.txt")"
    drv close "Orvalen " >/dev/null || true
    [ -z "$pid" ] || drv wait-pid "$pid" 20000 >/dev/null || true
    sleep 1
done

python3 "$BENCH_SRC/figures.py" startup "$OUT"

#!/usr/bin/env bash
# The calls alone (not one of the figures run by default; name it: `bash scripts/bench.sh
# floor`): callfloor.exe makes, on 70 threads, only the calls a check is made of (the
# echo, or the WinINet session and request, then the report sent to a window) once a
# second, side by side with fping and curl as figure 3 runs the program. What these calls
# cost under Wine is the least a check of the program can cost. Half of BENCH_MINUTES (2
# by default) a case.
source "$(dirname "$0")/lib.sh"
MINUTES="${BENCH_MINUTES:-2}"
start_fixture python3 "$ROOT/tests/fixtures/netcheck_server.py"
PAGE="http://127.0.0.1:$NETFIX_HTTP4/phrase"

floor() {  # ping|url
    local kind="$1"
    start_callfloor "$kind" "$PAGE"
    side_by_side "$kind" "$PAGE" $((MINUTES * 30))
    drv kill "$LAST_PID" >/dev/null 2>&1 || true
}
echo "clock_ticks=$(getconf CLK_TCK)" >"$OUT/compare.txt"
floor ping
floor url
python3 "$BENCH_SRC/figures.py" floor "$OUT"

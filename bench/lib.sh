# Sourced by every figure script of the benchmark, which scripts/bench.sh runs inside
# its session (loopback-only namespace, the benchmark's Wine prefix, Xvfb). A figure
# script gets its output folder as $1 and prints its part of the report on stdout.
# Every process a figure starts is ended by its id when the figure ends, and the
# namespace's ICMP settings are put back (end_started, scripts/lib/helpers.sh).
set -euo pipefail
: "${BENCH_DIR:?run through scripts/bench.sh}"
BENCH_SRC="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
ROOT="$(cd "$BENCH_SRC/.." && pwd)"
source "$ROOT/scripts/lib/helpers.sh"
BIN="$BUILD_DIR/bin"
ORVALEN_BIN="$BIN"
OUT="${1:?output folder}"
WORK_DIR="$OUT"
mkdir -p "$OUT"

export ORVALEN_RUN_MARK="bench.$$"  # on every Wine process it starts (end_started)
trap end_started EXIT

note() { echo "[$(date +%T)] $*" >&2; }

# A fresh application-data folder; the program's data folder is <it>/Carrowmede/Orvalen.
new_appdata() {
    rm -rf "$1"
    mkdir -p "$(data_folder "$1")"
}

orvalen_unix_pid() { unix_pid_of "$(winpath "$BIN/Orvalen.exe")"; }
wineserver_unix_pid() { unix_pid_of "wineserver"; }

# The program's largest load: 70 monitors checking loopback every second, Ping (each
# its own 127.0.0.x address), TCP and URL in turn, in a row of the smallest boxes from
# the screen's top-left corner. Needs the netcheck fixture (NETFIX_HTTP4). Extra keys
# of the "main" section come from the arguments after the folder, one KEY=VALUE each.
write_seventy_ini() {
    local appdata="$1" i
    shift
    {
        printf '[main]\nFirstStart=0\nPosX=0\nPosY=0\nNumBox=70\nXBox=60\nYBox=60\nWinPos=1\nTimeOut=3000\n'
        printf '%s\n' "$@"
        for i in $(seq 0 69); do
            printf '[Box %d]\nName=m%d\nCheckInterval=1\nBoxColorUp=%d\n' "$i" "$i" "$SEVENTY_UP_COLOUR"
            case $((i % 3)) in
                0) printf 'CheckMethod=1\nIPorURLAddress=127.0.0.%d\n' $((i / 3 + 1)) ;;
                1) printf 'CheckMethod=2\nIPorURLAddress=127.0.0.1\nPort=%d\n' "$NETFIX_HTTP4" ;;
                2) printf 'CheckMethod=3\nIPorURLAddress=http://127.0.0.1:%d/phrase\nPhrase=orvalen-phrase\n' \
                       "$NETFIX_HTTP4" ;;
            esac
        done
    } | write_main_ini "$appdata"
}
# The Up colour of those boxes (a COLORREF), which no other status shows.
SEVENTY_UP_COLOUR=$((0x5AC828))

# 70 monitors of one method checking every second: "ping" (each its own 127.0.0.x) or
# "url" (the page given, with the fixture's phrase).
write_one_method_ini() {  # APPDATA ping|url [PAGE]
    local i
    {
        printf '[main]\nFirstStart=0\nPosX=0\nPosY=0\nNumBox=70\nXBox=60\nYBox=60\nWinPos=1\nTimeOut=3000\n'
        for i in $(seq 0 69); do
            printf '[Box %d]\nName=m%d\nCheckInterval=1\n' "$i" "$i"
            if [ "$2" = ping ]; then
                printf 'CheckMethod=1\nIPorURLAddress=127.0.0.%d\n' $((i + 1))
            else
                printf 'CheckMethod=3\nIPorURLAddress=%s\nPhrase=orvalen-phrase\n' "$3"
            fi
        done
    } | write_main_ini "$1"
}

# callfloor.exe on 70 threads of KIND (ping, or url to PAGE), as start_program starts it.
start_callfloor() {  # ping|url PAGE
    start_program "$BIN/callfloor.exe" "" "$1" 70 "$2"
}

# Side by side with a reference tool doing the same work: fping sending the same 70
# echoes once a second, or curl fetching the page 70 times a second with a new
# connection for each fetch, as the checks make.
ping_reference() {
    local targets=() i
    for i in $(seq 1 70); do targets+=("127.0.0.$i"); done
    exec fping -l -q -p 1000 -t 500 "${targets[@]}" >/dev/null 2>&1
}
url_reference() {  # PAGE
    local urls=() i
    for i in $(seq 1 70); do urls+=("$1"); done
    while :; do
        curl -s -H 'Connection: close' "${urls[@]}" >/dev/null 2>&1 &
        sleep 1
        wait $!
    done
}
# With the Wine program under test already checking, starts KIND's reference and, after a
# 20 s warm-up, reads the CPU time of every process of the Wine session, of the X server
# and of the reference (children included) at the start and the end of SECONDS, into
# $OUT/compare-KIND-{start,end,time}.txt (figures.py reads them).
side_by_side() {  # ping|url PAGE SECONDS
    local kind="$1" page="$2" seconds="$3" reference
    "${kind}_reference" "$page" &
    reference=$!
    UNIX_PIDS+=($reference)
    note "$kind side by side: $seconds s after 20 s (reference $reference)"
    sleep 20
    python3 "$BENCH_SRC/session_cpu.py" "$WINEPREFIX" "$DISPLAY" "$reference" >"$OUT/compare-$kind-start.txt"
    date +%s.%N >"$OUT/compare-$kind-time.txt"
    sleep "$seconds"
    python3 "$BENCH_SRC/session_cpu.py" "$WINEPREFIX" "$DISPLAY" "$reference" >"$OUT/compare-$kind-end.txt"
    date +%s.%N >>"$OUT/compare-$kind-time.txt"
    kill "$reference" 2>/dev/null || true
}

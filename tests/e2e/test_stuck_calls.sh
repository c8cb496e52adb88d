#!/usr/bin/env bash
# Calls that do not end, and the monitors beside them, in three instances at once (about
# two minutes):
# - A Ping box at 127.0.0.1 and a URL box at a healthy page stay Up, every check of two
#   minutes, beside 16 URL monitors at a server whose headers never end and 4 whose
#   connects hang: one monitor's stuck calls never change another's result. Beside them,
#   three Ping boxes at a host that never answers (TimeOut=4000) go through six Disable
#   all / Enable all within about three seconds: the echoes the restarts leave running,
#   each within its time-out, never make a later check an ERROR; every one is Down.
# - With TimeOut=4294967295 and hosts that never answer, ten Disable all / Enable all
#   leave the process's thread count where it was: every wait ends at a stop request.
# - With TimeOut=90000 a page that answers after 70 s is Up: the whole-check limit of a
#   URL check does not cut what the time-out allows.
source "$(dirname "$0")/lib.sh"
own_wine_session
GREEN="0 192 0"
RUN_S=120

start_fixture python3 "$ORVALEN_SRC/tests/fixtures/netcheck_server.py"
# 127.0.0.5 never answers an echo (end_started puts the routes back).
echo_replies_dropped_from 127.0.0.5

main() { ini_section main FirstStart=0 WinBeh=0 "$@"; }
monitor() {  # index name method address [KEY=VALUE...]
    ini_section "Box $1" "Name=$2" "CheckMethod=$3" "IPorURLAddress=$4" CheckInterval=1 BoxColorUp=0x0000C000 "${@:5}"
}
page() { echo "http://127.0.0.1:$1$2"; }
beside="$(new_appdata 0)" restarted="$(new_appdata 1)" slow="$(new_appdata 2)"
{
    main PosX=0 PosY=0 NumBox=25 TimeOut=4000 EnableLog=1 LogEveryCheck=1 LogFileType=0
    monitor 0 ping-ok 1 127.0.0.1
    monitor 1 url-ok 3 "$(page "$NETFIX_HTTP4" /phrase)" Phrase=orvalen-phrase
    for i in $(seq 2 17); do monitor "$i" "endless$i" 3 "$(page "$NETFIX_HTTP4" /endlessheaders)" Phrase=x; done
    for i in 18 19 20 21; do monitor "$i" "hang$i" 3 "$(page "$NETFIX_FULL4" /)"; done
    for i in 22 23 24; do monitor "$i" "silent$i" 1 127.0.0.5; done
} | write_main_ini "$beside" MainConfAID1.ini
{
    main PosX=0 PosY=300 NumBox=4 TimeOut=4294967295
    for i in 0 1 2 3; do monitor "$i" "silent$i" 1 127.0.0.5; done
} | write_main_ini "$restarted" MainConfBID1.ini
{
    main PosX=0 PosY=500 NumBox=1 TimeOut=90000 EnableLog=1 LogFileType=0
    monitor 0 seventy 3 "$(page "$NETFIX_HTTP4" "/after?70")" Phrase=orvalen-phrase
} | write_main_ini "$slow" MainConfCID1.ini

started=$SECONDS
start_strip "$beside"
beside_pid=$LAST_PID
beside_at="$STRIP_X $STRIP_Y"
STRIP_TITLE="Orvalen II" start_strip "$restarted" /secondary
restarted_pid=$LAST_PID
STRIP_TITLE="Orvalen III" start_strip "$slow" /tertiary
slow_started=$SECONDS
slow_pid=$LAST_PID
slow_at="$STRIP_X $STRIP_Y"

# Instance 0: six restarts of every monitor while the silent boxes' first echoes are out.
restarts_from=$(date +%s%N)
for _ in $(seq 1 6); do
    drv command "$TITLE" "$ID_TRAY_DISABLE_ALL_MON" >/dev/null
    drv command "$TITLE" "$ID_TRAY_ENABLE_ALL_MON" >/dev/null
done
echo "six restarts in $((($(date +%s%N) - restarts_from) / 1000000)) ms"

# Instance 1: a second of checks, then ten restarts of every monitor, a second apart;
# then what a restart left behind has ended (an echo within 5 s, an idle call thread
# within 15 s more). One sample a second throughout.
wine "$ORVALEN_BIN/orvdriver.exe" watch "$restarted_pid" "Orvalen II" 1000 55 </dev/null 2>/dev/null |
    tr -d '\r' >"$E2E_DIR/watch-restarts.txt" &
restarts_watch=$!
sleep 3
for _ in $(seq 1 10); do
    drv command "Orvalen II" "$ID_TRAY_DISABLE_ALL_MON" >/dev/null
    sleep 1
    drv command "Orvalen II" "$ID_TRAY_ENABLE_ALL_MON" >/dev/null
    sleep 1
done
wait "$restarts_watch" || true
python3 - "$E2E_DIR/watch-restarts.txt" <<'PY' || fail "threads after ten restarts with TimeOut=4294967295"
import sys
rows = [dict(f.split("=", 1) for f in line.split()) for line in open(sys.argv[1]) if "threads=" in line]
assert len(rows) >= 50, "only %d samples" % len(rows)
# Before the restarts the count moves with the echoes out (5 to 9 for four monitors): its top.
before = max(int(r["threads"]) for r in rows if float(r["t_s"]) <= 2)
after = min(int(r["threads"]) for r in rows[-5:])
peak = max(int(r["threads"]) for r in rows)
assert after <= before + 2, "threads %d before the restarts, %d after (at most %d)" % (before, after, peak)
PY

# Instance 2: the page that answers after 70 s, as the box and the log show it.
logs="$(data_folder "$slow")/Logs"
slow_log() { cat "$logs"/*/127.0.0.1_URL_"${NETFIX_HTTP4}"_IPv4.txt 2>/dev/null; }
slow_up() { slow_log | grep -q " | seventy | Up | "; }
slow_result() { slow_log | grep -q " | seventy | "; }
# The first check's result: Up at about 70 s, or whatever cut it, by 90.5 s at the latest.
until slow_result || ((SECONDS - slow_started >= 100)); do sleep 0.5; done
slow_up || fail "the 70 s page with TimeOut=90000: $(slow_log | head -1)"
read -r STRIP_X STRIP_Y <<<"$slow_at"
shot="$(screenshot slow)"
expect_pixel "$shot" $(box_point 1 3 60) "$GREEN" "box of the page answering after 70 s"

# Instance 0: two minutes of every check, then the boxes as they are.
sleep $((RUN_S - (SECONDS - started) > 0 ? RUN_S - (SECONDS - started) : 0))
read -r STRIP_X STRIP_Y <<<"$beside_at"
shot="$(screenshot beside)"
expect_pixel "$shot" $(box_point 1 3 60) "$GREEN" "Ping box beside the stuck calls"
expect_pixel "$shot" $(box_point 2 3 60) "$GREEN" "URL box beside the stuck calls"
close_window "$TITLE" "$beside_pid"
logs="$(data_folder "$beside")/Logs"
python3 - "$logs" "$NETFIX_HTTP4" "$NETFIX_FULL4" <<'PY' || fail "results beside the stuck calls"
import glob, sys
logs, http, full = sys.argv[1:]
def results(file):
    paths = glob.glob("%s/*/%s" % (logs, file))
    assert len(paths) == 1, "no log %s" % file
    return [line.split(" | ")[2:4] for line in open(paths[0], encoding="latin-1").read().splitlines() if line]
rows = results("127.0.0.1_Ping_IPv4.txt") + results("127.0.0.1_URL_%s_IPv4.txt" % http)
for name in ("ping-ok", "url-ok"):
    words = [w for n, w in rows if n == name]
    assert len(words) >= 50, "%s: only %d checks" % (name, len(words))
    assert set(words) == {"Up"}, "%s: %s" % (name, sorted(set(words)))
# Each restart's first result and every change after it is logged: Down, never an ERROR.
silent = results("127.0.0.5_Ping_IPv4.txt")
for name in ("silent22", "silent23", "silent24"):
    words = [w for n, w in silent if n == name]
    assert words and set(words) == {"Down"}, "%s after the restarts: %s" % (name, words)
# The stuck calls were there: pages given up at the whole-check limit, connects that hang.
assert any(n.startswith("endless") and w == "Down" for n, w in rows), "no endless page given up"
hangs = results("127.0.0.1_URL_%s_IPv4.txt" % full)
assert hangs and all(w == "Down" for _, w in hangs), "hanging connects: %s" % hangs
PY
close_window "Orvalen II" "$restarted_pid"
close_window "Orvalen III" "$slow_pid"
pass

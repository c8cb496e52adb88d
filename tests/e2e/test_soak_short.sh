#!/usr/bin/env bash
# A short soak: 20 "*RAND*" monitors checking every 2 s for about 40 s, with logging and
# an execute-file notification running a recording program. Every change of status
# gives exactly one log line and one run of the program, as the seed-1 sequence says;
# the window answers a message within one second throughout, the counts of threads,
# handles and GDI objects stay flat, and the program ends cleanly when closed.
# (The benchmark runs the long version: 70 monitors every second for 10 minutes.)
source "$(dirname "$0")/lib.sh"
MONITORS=20
INTERVAL=2
WATCH_S=39  # the 20th check is at 38 s, the 21st at 40 s: it ends between them

appdata="$(new_appdata)"
recorder="$E2E_DIR/soakrec.exe"
cp "$ORVALEN_BIN/argrecorder.exe" "$recorder"
mkdir -p "$(data_folder "$appdata")"
python3 "$ORVALEN_SRC/tests/fixtures/rand_soak.py" config "$MONITORS" "$INTERVAL" "$(winpath "$recorder")" \
    >"$(data_folder "$appdata")/MainConfAID1.ini"

start_orvalen "$appdata"
wait_window "Orvalen "
wine "$ORVALEN_BIN/procwatch.exe" watch "$LAST_PID" "Orvalen " 1000 "$WATCH_S" </dev/null 2>/dev/null |
    tr -d '\r' >"$E2E_DIR/watch.txt" || true
drv close "Orvalen " >/dev/null
assert_eq "$(drv wait-pid "$LAST_PID" 20000)" "0" "exit code after closing"
sleep 2  # the last recording programs finish

grep -q "ended=1" "$E2E_DIR/watch.txt" && fail "the program ended during the run"
python3 - "$E2E_DIR/watch.txt" <<'PY' || fail "window answers or counts"
import sys
rows = [dict(f.split("=", 1) for f in line.split()) for line in open(sys.argv[1]) if "answer_ms=" in line]
assert len(rows) >= 30, "only %d samples" % len(rows)
slow = [r["t_s"] for r in rows if not 0 <= float(r["answer_ms"]) < 1000]
assert not slow, "no answer within 1 s at %s" % slow
# Flat: what stays when the short-lived workers are gone (the least of each half of
# the run) does not grow, but for the notification queues' workers, which start as
# bursts first need them (one log writer, up to four program starters).
half = len(rows) // 2
for key, slack in (("threads", 5), ("handles", 10), ("gdi", 0)):
    first, second = (min(int(r[key]) for r in part) for part in (rows[2:half], rows[half:]))
    assert second <= first + slack, "%s from %d to %d" % (key, first, second)
print("samples=%d answer_max_ms=%.1f threads=%d..%d" % (len(rows), max(float(r["answer_ms"]) for r in rows),
      min(int(r["threads"]) for r in rows), max(int(r["threads"]) for r in rows)))
PY
python3 "$ORVALEN_SRC/tests/fixtures/rand_soak.py" verify "$(data_folder "$appdata")/Logs" "$recorder.log" \
    "$MONITORS" 20 21 || fail "log lines or program runs differ from the sequence"
pass

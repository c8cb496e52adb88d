#!/usr/bin/env bash
# Figure 5, soak: 70 "*RAND*" monitors (Ping, TCP, URL in turn) checking every second
# for BENCH_MINUTES with logging on and an execute-file notification running a small
# recording program at every change to Down (about 12 programs a second: a change of
# every status would ask for about 54, as many as Wine can start here at all). orvdriver.exe watch asks the window to
# answer a message every second and samples the counts; afterwards every monitor's log
# lines and recorded runs are compared with its seed-1 sequence.
source "$(dirname "$0")/lib.sh"
MINUTES="${BENCH_MINUTES:-10}"
SECONDS_RUN=$((MINUTES * 60))

appdata="$OUT/appdata"
new_appdata "$appdata"
recorder="$OUT/soakrec.exe"
rm -f "$recorder.log"
cp "$BIN/argrecorder.exe" "$recorder"
EXEC_MASK=2  # Down
python3 "$ROOT/tests/fixtures/rand_soak.py" config 70 1 "$(winpath "$recorder")" "$EXEC_MASK" \
    >"$appdata/Carrowmede/Orvalen/MainConfAID1.ini"

start_orvalen "$appdata"
drv wait-window "Orvalen " 20000 >/dev/null
note "soak for $MINUTES min (Orvalen $LAST_PID)"
orvalen="$(orvalen_unix_pid)"
echo "start_ticks=$(awk '{print $14 + $15}' "/proc/$orvalen/stat") clock_ticks=$(getconf CLK_TCK)" >"$OUT/cpu.txt"
wine "$BIN/orvdriver.exe" watch "$LAST_PID" "Orvalen " 1000 "$SECONDS_RUN" </dev/null 2>/dev/null >"$OUT/watch.txt" || true
echo "end_ticks=$(awk '{print $14 + $15}' "/proc/$orvalen/stat" 2>/dev/null || echo -1) seconds=$SECONDS_RUN" >>"$OUT/cpu.txt"
drv close "Orvalen " >/dev/null || true
drv wait-pid "$LAST_PID" 30000 >"$OUT/exit.txt" || echo "did not end" >"$OUT/exit.txt"
sleep 5  # the last recording programs finish
python3 "$ROOT/tests/fixtures/rand_soak.py" verify "$appdata/Carrowmede/Orvalen/Logs" "$recorder.log" 70 \
    $((SECONDS_RUN * 9 / 10)) $((SECONDS_RUN + 2)) "$EXEC_MASK" >"$OUT/verify.txt" || true

python3 "$BENCH_SRC/figures.py" soak "$OUT"

#!/usr/bin/env bash
# Bounded notification work, one run of about 70 s:
# - Six TCP monitors of a port that a local listener opens and closes every second, with
#   message boxes on Open and Closed, for a minute: the open boxes and the process's
#   threads stay bounded, and every check is still logged.
# - A log file that another program holds without write sharing (as a spreadsheet opened
#   from View Log) holds up neither another monitor's lines nor the program's end; its
#   own lines are written once it is free, here while the program ends.
# - Hosts whose first label is a device name get log files of their own.
source "$(dirname "$0")/lib.sh"
own_wine_session
WATCH_S=60
MAX_BOXES=16  # the process's bound of open message boxes

start_fixture python3 "$ORVALEN_SRC/tests/fixtures/flapping_port.py"
closed_port="$(free_port)"
appdata="$(new_appdata)"
monitor() {  # index name method address port [KEY=VALUE...]
    ini_section "Box $1" "Name=$2" "CheckMethod=$3" "IPorURLAddress=$4" "Port=$5" CheckInterval=1 "${@:6}"
}
{
    ini_section main NumBox=10 EnableLog=1 LogEveryCheck=1 LogFileType=0
    for i in 0 1 2 3 4 5; do monitor $i "flap$i" 2 127.0.0.1 "$FLAP_PORT" MsgBox=5 nMSGB=0; done
    monitor 6 held 2 127.0.0.1 "$STEADY_PORT"
    monitor 7 free 2 127.0.0.1 "$closed_port"
    monitor 8 nul-host 1 nul.invalid 0
    monitor 9 con-host 2 CON.invalid 80
} | write_main_ini "$appdata"

start_strip "$appdata"
pid=$LAST_PID
wine "$ORVALEN_BIN/orvdriver.exe" watch "$pid" "$TITLE" 1000 "$WATCH_S" </dev/null 2>/dev/null |
    tr -d '\r' >"$E2E_DIR/watch.txt" &
watch=$!
logs="$(data_folder "$appdata")/Logs"
log_of() { echo "$logs"/*/"127.0.0.1_TCP_$1_IPv4.txt"; }
lines() { cat "$@" 2>/dev/null | wc -l; }
# The day folder's name is known only once it is there: the file is looked for anew each time.
log_exists() { test -f "$(log_of "$1")"; }
wait_until 20 log_exists "$STEADY_PORT"
held_file="$(log_of "$STEADY_PORT")" free_file="$(log_of "$closed_port")"

# Held without write sharing for the rest of the run: the other monitor's lines still come
# every second, the held file's wait.
start_fixture wine "$ORVALEN_BIN/orvdriver.exe" hold file "$(winpath "$held_file")" 120000
held_at_start=$(lines "$held_file") free_at_start=$(lines "$free_file")
sleep 10
assert_eq "$(lines "$held_file")" "$held_at_start" "lines in the held file while held"
free_lines=$(($(lines "$free_file") - free_at_start))
((free_lines >= 7)) || fail "only $free_lines lines of another monitor in 10 s beside a held file"

wait "$watch"
boxes=$(drv count Orvalen)
((boxes >= 8 && boxes <= MAX_BOXES)) || fail "$boxes message boxes open"
python3 - "$E2E_DIR/watch.txt" "$MAX_BOXES" <<'PY' || fail "threads of a minute of a flapping host"
import sys
rows = [dict(f.split("=", 1) for f in line.split()) for line in open(sys.argv[1]) if "threads=" in line]
counts = [int(r["threads"]) for r in rows]
assert len(counts) >= 40, "only %d samples" % len(counts)
third = len(counts) // 3
print("threads from %d, at most %d" % (counts[0], max(counts)))
assert max(counts) <= counts[0] + int(sys.argv[2]) + 8, "from %d up to %d" % (counts[0], max(counts))
assert max(counts[2 * third:]) <= max(counts[third:2 * third]) + 3, "still growing: %s" % counts
PY

# Every check of the flapping monitors is logged, with or without a box: both statuses,
# far more changes than boxes.
flap_file="$(log_of "$FLAP_PORT")"
for i in 0 1 2 3 4 5; do
    opened=$(grep -c " | flap$i | Open | " "$flap_file" || true)
    closed=$(grep -c " | flap$i | Closed | " "$flap_file" || true)
    ((opened >= 10 && closed >= 10 && opened + closed >= 40)) || fail "flap$i logged $opened Open, $closed Closed"
done

# The program ends while the file is still held; the holder lets go a second later, and
# the lines that waited are written before the process is gone.
(sleep 1 && drv release >/dev/null) &
releaser=$!
close_window "$TITLE" "$pid"
wait "$releaser"
python3 - "$held_file" "$((held_at_start + 40))" <<'PY' || fail "lines of the held file"
import sys
lines = open(sys.argv[1], "rb").read().decode("ascii").split("\r\n")
assert lines[-1] == "", "last line unfinished"
held = [l for l in lines[:-1] if " | held | Open | " in l]
assert len(held) == len(lines) - 1, "foreign lines"
assert len(held) >= int(sys.argv[2]), "%d lines, want %s" % (len(held), sys.argv[2])
times = [l.split(" | ")[1] for l in held]
assert times == sorted(times), "out of order"
PY

# Device names: files of their own, each with its monitor's line.
for file in _nul.invalid_Ping_IPv4.txt:nul-host _CON.invalid_TCP_80_IPv4.txt:con-host; do
    found=("$logs"/*/"${file%%:*}")
    [ -f "${found[0]}" ] && grep -q " | ${file##*:} | " "${found[0]}" || fail "no log file ${file%%:*}"
done
pass

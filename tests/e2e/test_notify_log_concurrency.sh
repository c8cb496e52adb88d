#!/usr/bin/env bash
# Two instances with many monitors each log every check of one target into one file
# at the same time: every line arrives whole, and none is lost (each monitor's lines
# are counted against the pages the server gave it).
source "$(dirname "$0")/lib.sh"

per_instance=35
start_fixture python3 "$ORVALEN_SRC/tests/fixtures/log_count_server.py" "$E2E_DIR/served.txt"
server_pid="${UNIX_PIDS[-1]}"
appdata="$(new_appdata)"

# One instance's file: monitors named <prefix>01.. fetching /page?<name>, logging every check.
config() {
    local i name
    ini_section main NumBox=$per_instance EnableLog=1 LogEveryCheck=1 LogFileType=0 TimeOut=120000
    for i in $(seq 1 "$per_instance"); do
        name="$(printf '%s%02d' "$1" "$i")"
        ini_section "Box $((i - 1))" "Name=$name" CheckMethod=3 "IPorURLAddress=http://127.0.0.1:$PORT/page?$name" \
            Phrase=orvalen-phrase CheckInterval=1
    done
}
config a | write_main_ini "$appdata" MainConfAID1.ini
config b | write_main_ini "$appdata" MainConfBID1.ini
start_strip "$appdata"
STRIP_TITLE="Orvalen II" start_strip "$appdata" /secondary
log_lines() { cat "$(data_folder "$appdata")"/Logs/*/"127.0.0.1_URL_${PORT}_IPv4.txt" 2>/dev/null | wc -l; }
enough_to_tell() { (($(log_lines) >= 15 * 2 * per_instance)); }  # more than the ten a monitor asked below
wait_until 120 enough_to_tell

# From now on the server answers nobody, so the checks hang (the time-out is long):
# the pages it gave are final, and so are the lines they bring.
kill -USR1 "$server_pid"
wait_until 10 grep -qx END "$E2E_DIR/served.txt"
# The lines of the last pages may still be on their way.
served_pages() { awk '$1 != "END" { n += $2 } END { print n + 0 }' "$E2E_DIR/served.txt"; }
wait_until 10 output_is "$(served_pages)" log_lines

logs=("$(data_folder "$appdata")"/Logs/*/"127.0.0.1_URL_${PORT}_IPv4.txt")
[ "${#logs[@]}" -eq 1 ] && [ -f "${logs[0]}" ] || fail "no single log file: ${logs[*]}"
python3 - "${logs[0]}" "$E2E_DIR/served.txt" "$per_instance" <<'PY' || fail "log lines lost or torn"
import re, sys
log, served_file, per_instance = sys.argv[1], sys.argv[2], int(sys.argv[3])
served = {}
for line in open(served_file):
    if line.strip() != "END":
        tag, count = line.split()
        served[tag] = int(count)
shape = re.compile(r"\d\d/\d\d/\d\d \| \d\d:\d\d:\d\d \| ([ab]\d\d) \| Up \| \d+ \| [^|\r\n]* \| 0\r")
logged, torn = {}, 0
data = open(log, "rb").read().decode("ascii")
assert data.endswith("\r\n"), "last line unfinished"
for line in data.split("\n")[:-1]:
    match = shape.fullmatch(line)
    if not match:
        torn += 1
        print("torn or foreign line: %r" % line)
        continue
    logged[match.group(1)] = logged.get(match.group(1), 0) + 1
ok = torn == 0
tags = ["%s%02d" % (p, i) for p in "ab" for i in range(1, per_instance + 1)]
for tag in tags:
    if logged.get(tag, 0) != served.get(tag, 0):
        print("%s: %d lines for %d pages" % (tag, logged.get(tag, 0), served.get(tag, 0)))
        ok = False
total = sum(logged.values())
print("%d lines from %d monitors, %d torn" % (total, len(logged), torn))
if total < 10 * len(tags):
    print("too few checks to tell")
    ok = False
sys.exit(0 if ok else 1)
PY
pass

#!/usr/bin/env bash
# Notifications of one run of two instances, about 40 s:
# - 20 "*RAND*" monitors checking every 2 s, logging, and running a recording program at
#   every change of status: every log line and every run (with its expanded parameters)
#   is the one the seed-1 sequence gives; meanwhile the window answers within 1 s and
#   the counts of threads, handles and GDI objects stay flat; both end cleanly when closed.
# - Real checks against loopback servers: one log file per target in the day's folder,
#   one line per change, as text (instance 0) and tab-separated (instance 1): Up, Open,
#   Down by time-out, Closed, URL failure, S.n.F., and an IPv6 ping, which Wine cannot
#   send (an error with its code); two monitors of one target share its file.
# - A batch program gets the values inert for its interpreter; a message box for the
#   same monitor is topmost, names it, closes from outside and comes once.
# - URL monitors whose connects hang, restarted every 5 s for a minute (Disable all /
#   Enable all): the process's thread count stops growing.
source "$(dirname "$0")/lib.sh"
# No keys or clicks through X: a session of its own lets it run beside the tests that type.
own_wine_session
MONITORS=20
WATCH_S=39  # the 20th check is at 38 s: at least 20 checks, and at most one per 2 s of the run

start_fixture python3 "$ORVALEN_SRC/tests/fixtures/netcheck_server.py"
appdata="$(new_appdata)"
recorder="$E2E_DIR/soakrec.exe"
cp "$ORVALEN_BIN/argrecorder.exe" "$recorder"
injected="$E2E_DIR/injected.txt"
printf '@echo off\r\necho %%*>>"%s"\r\n' "$(winpath "$E2E_DIR/bat.log")" >"$E2E_DIR/notify.bat"

monitor() {  # index name method ipv address port [KEY=VALUE...]
    ini_section "Box $1" "Name=$2" "CheckMethod=$3" "IPv=$4" "IPorURLAddress=$5" "Port=$6" CheckInterval=1 "${@:7}"
}
{
    python3 "$ORVALEN_SRC/tests/fixtures/rand_soak.py" config "$MONITORS" 2 "$(winpath "$recorder")" |
        tr -d '\r' | sed "s/^NumBox=.*/NumBox=$((MONITORS + 10))/"
    n=$MONITORS
    while read -r name method ipv address port extra; do
        monitor $n "$name" "$method" "$ipv" "$address" "$port" $extra
        n=$((n + 1))
    done <<ROWS
up-ping 1 0 127.0.0.50 0
open-tcp 2 0 127.0.0.1 $NETFIX_HTTP4
timeout-tcp 2 0 127.0.0.1 $NETFIX_FULL4
closed-tcp 2 0 127.0.0.1 $NETFIX_CLOSED4
url-failed 3 0 http://127.0.0.1:$NETFIX_CLOSED4/ 80
url-up 3 0 http://127.0.0.1:$NETFIX_HTTP4/phrase 80 Phrase=orvalen-phrase
url-snf 3 0 http://127.0.0.1:$NETFIX_HTTP4/nophrase 80 Phrase=orvalen-phrase
v6-ping 1 1 ::1 0
v6-open 2 1 ::1 $NETFIX_HTTP6
ROWS
    monitor $n "x&echo>$(winpath "$injected")&rem" 2 0 127.0.0.1 "$(free_port)" ExecFileCheck=1 nEF=0 \
        ExecFileStatusCheck=4 "ExecFilePath=$(winpath "$E2E_DIR/notify.bat")" "ExecFileParam=%name %status" MsgBox=4
} | write_main_ini "$appdata" MainConfAID1.ini
{
    ini_section main NumBox=2 EnableLog=1 LogEveryCheck=0 LogFileType=1 PosX=0 PosY=300
    monitor 0 csv-ping 1 0 127.0.0.1 0
    monitor 1 csv-closed 2 0 127.0.0.1 "$NETFIX_CLOSED4"
} | write_main_ini "$appdata" MainConfBID1.ini
# Instance 2: URL checks whose connects hang (a listener whose queue is full drops the
# connects), restarted every 5 s for a minute by Disable all / Enable all.
{
    ini_section main NumBox=4 TimeOut=1000 EnableLog=0 PosX=0 PosY=500
    for i in 0 1 2 3; do monitor $i "hang$i" 3 0 "http://127.0.0.1:$NETFIX_FULL4/" 80; done
} | write_main_ini "$appdata" MainConfCID1.ini

started=$SECONDS
start_strip "$appdata"
first=$LAST_PID
STRIP_TITLE="Orvalen II" start_strip "$appdata" /secondary
second=$LAST_PID
STRIP_TITLE="Orvalen III" start_strip "$appdata" /tertiary
restarted=$LAST_PID
wine "$ORVALEN_BIN/orvdriver.exe" watch "$restarted" "Orvalen III" 1000 62 </dev/null 2>/dev/null |
    tr -d '\r' >"$E2E_DIR/watch-restarts.txt" &
restarts_watch=$!
(
    for i in $(seq 1 6); do
        sleep 5 && drv command "Orvalen III" $ID_TRAY_DISABLE_ALL_MON
        sleep 5 && drv command "Orvalen III" $ID_TRAY_ENABLE_ALL_MON
    done
) >/dev/null &
restarts=$!
wine "$ORVALEN_BIN/orvdriver.exe" watch "$first" "$TITLE" 1000 "$WATCH_S" </dev/null 2>/dev/null |
    tr -d '\r' >"$E2E_DIR/watch.txt" || true

# The batch monitor's message box, still open from its first check: the only one.
# A box found while it is still being built has no text yet: it is read again.
text=""
for _ in $(seq 1 20); do
    text="$(drv msgbox Orvalen 1000)" || fail "no message box"
    [ -z "$text" ] || break
    sleep 0.25
done
[[ "$text" == *"x&echo>"*"&rem is Closed"* ]] || fail "message box text: $text"
(($(drv msgbox-exstyle Orvalen) & 0x8)) || fail "message box not topmost"
assert_eq "$(drv count Orvalen)" "1" "message boxes for one change of status"
drv msgbox-press Orvalen $IDOK >/dev/null
drv wait-gone Orvalen 10000 >/dev/null || fail "message box still open"
close_window "$TITLE" "$first"
max_cycles=$(((SECONDS - started) / 2 + 2))
close_window "Orvalen II" "$second"
wait "$restarts" "$restarts_watch"
close_window "Orvalen III" "$restarted"
recorder_gone() { ! unix_pid_of "$(winpath "$recorder")" >/dev/null; }
wait_until 30 recorder_gone  # the last recording programs finish (slow to end on a busy machine)

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
PY
# The restarted monitors' threads: each keeps at most four fetches stuck in a connect
# (one thread each) whatever the restarts, so the count stops growing once those are out.
python3 - "$E2E_DIR/watch-restarts.txt" <<'PY' || fail "threads of restarted monitors with hanging connects"
import sys
counts = [int(dict(f.split("=", 1) for f in line.split())["threads"]) for line in open(sys.argv[1]) if "threads=" in line]
assert len(counts) >= 50, "only %d samples" % len(counts)
third = len(counts) // 3
assert max(counts) <= counts[0] + 4 * (4 + 1) + 4, "from %d up to %d" % (counts[0], max(counts))
assert max(counts[2 * third:]) <= max(counts[third:2 * third]) + 2, "still growing: %s" % counts
PY
logs="$(data_folder "$appdata")/Logs"
python3 "$ORVALEN_SRC/tests/fixtures/rand_soak.py" verify "$logs" "$recorder.log" "$MONITORS" 20 "$max_cycles" ||
    fail "log lines or program runs differ from the sequence"

# The batch program ran once, for the Closed result, and nothing in the name ran.
assert_eq "$(tr -d '\r' <"$E2E_DIR/bat.log")" "x_echo_$(winpath "$injected")_rem Closed" "batch parameters"
[ ! -e "$injected" ] || fail "a command hidden in the name ran"

# The real checks' logs: FILE SEPARATOR NAME WORD FIFTH(regex) CODE, one line each, with
# the platform's one-line text of the code; the shared URL file holds two.
days=("$logs"/*/)
[ "${#days[@]}" -eq 1 ] || fail "expected one day folder: ${days[*]}"
[[ "$(basename "${days[0]}")" =~ ^[0-9]{1,2}-[0-9]{1,2}-[0-9]{4}$ ]] || fail "day folder name: ${days[0]}"
while read -r file sep name word fifth code; do
    [ "$sep" == tab ] && sep=$'\t' || sep=" | "
    python3 - "${days[0]}$file" "$sep" "$name" "$word" "$fifth" "$(drv errtext "$code" </dev/null)" "$code" <<'PY' ||
import re, sys
path, sep, name, word, fifth, text, code = sys.argv[1:]
data = open(path, "rb").read().decode("ascii")
lines = data.split("\r\n")
want = [(n, w, f) for n, w, f in zip(name.split(","), word.split(","), fifth.split(","))]
assert lines[-1] == "" and len(lines) == len(want) + 1, "want %d CR LF lines, got %r" % (len(want), data)
for line, (n, w, f) in zip(sorted(lines[:-1], key=lambda l: l.split(sep)[2]), sorted(want)):
    fields = line.split(sep)
    assert len(fields) == 7, "want 7 fields, got %r" % line
    date, time, got_name, got_word, got_fifth, got_text, got_code = fields
    assert (re.fullmatch(r"\d\d/\d\d/\d\d", date) and re.fullmatch(r"\d\d:\d\d:\d\d", time) and got_name == n
            and got_word == w and re.fullmatch(f, got_fifth) and got_text.strip() == text[1:-1].strip() and got_code == code), \
        "line %r, want %r" % (line, [n, w, f, text, code])
PY
        fail "log file $file"
done <<ROWS
127.0.0.50_Ping_IPv4.txt | up-ping Up \d+ 0
127.0.0.1_TCP_${NETFIX_HTTP4}_IPv4.txt | open-tcp Open \d+ 0
127.0.0.1_TCP_${NETFIX_FULL4}_IPv4.txt | timeout-tcp Down Timeout 10060
127.0.0.1_TCP_${NETFIX_CLOSED4}_IPv4.txt | closed-tcp Closed \d+ 10061
127.0.0.1_URL_${NETFIX_CLOSED4}_IPv4.txt | url-failed Down Failed 12029
127.0.0.1_URL_${NETFIX_HTTP4}_IPv4.txt | url-up,url-snf Up,S.n.F. \d+,\d+ 0
--1_Ping_IPv6.txt | v6-ping ERROR N/A 120
--1_TCP_${NETFIX_HTTP6}_IPv6.txt | v6-open Open \d+ 0
127.0.0.1_Ping_IPv4.csv tab csv-ping Up \d+ 0
127.0.0.1_TCP_${NETFIX_CLOSED4}_IPv4.csv tab csv-closed Closed \d+ 10061
ROWS
pass

#!/usr/bin/env bash
# Log files of real checks against loopback servers: one file per target in the day's
# folder, one line per change of result, as text (instance 0) and tab-separated
# (instance 1): Up, Open, Down by time-out, Closed, URL failure, S.n.F., and an IPv6
# ping, which Wine cannot send (an error with its code).
source "$(dirname "$0")/lib.sh"

start_fixture python3 "$ORVALEN_SRC/tests/fixtures/netcheck_server.py"
appdata="$(new_appdata)"

monitor() {  # index name method ipv address port [phrase]
    printf '[Box %d]\nName=%s\nCheckMethod=%d\nIPv=%d\nIPorURLAddress=%s\nPort=%d\nCheckInterval=1\n' "${@:1:6}"
    [ -z "${7:-}" ] || printf 'Phrase=%s\n' "$7"
}
{
    printf '[main]\nNumBox=9\nEnableLog=1\nLogEveryCheck=0\nLogFileType=0\n'
    monitor 0 "up ping" 1 0 127.0.0.1 0
    monitor 1 "open tcp" 2 0 127.0.0.1 "$NETFIX_HTTP4"
    monitor 2 "timeout tcp" 2 0 127.0.0.1 "$NETFIX_FULL4"
    monitor 3 "closed tcp" 2 0 127.0.0.1 "$NETFIX_CLOSED4"
    monitor 4 "url failed" 3 0 "http://127.0.0.1:$NETFIX_CLOSED4/" 80
    monitor 5 "url up" 3 0 "http://127.0.0.1:$NETFIX_HTTP4/phrase" 80 orvalen-phrase
    monitor 6 "url snf" 3 0 "http://127.0.0.1:$NETFIX_HTTP4/nophrase" 80 orvalen-phrase
    monitor 7 "v6 ping" 1 1 ::1 0
    monitor 8 "v6 open" 2 1 ::1 "$NETFIX_HTTP6"
} | write_main_ini "$appdata" MainConfAID1.ini
{
    printf '[main]\nNumBox=2\nEnableLog=1\nLogEveryCheck=0\nLogFileType=1\n'
    monitor 0 "csv ping" 1 0 127.0.0.1 0
    monitor 1 "csv closed" 2 0 127.0.0.1 "$NETFIX_CLOSED4"
} | write_main_ini "$appdata" MainConfBID1.ini

start_orvalen "$appdata"
wait_window "Orvalen "
start_orvalen "$appdata" /secondary
wait_window "Orvalen II"
# The time-out check takes the 3-second time-out; a few cycles more show that
# unchanged results add no line.
sleep 12
drv close "Orvalen " >/dev/null
drv close "Orvalen II" >/dev/null
for pid in "${E2E_WIN_PIDS[@]}"; do wait_exit "$pid" 20000; done

days=("$(data_folder "$appdata")"/Logs/*/)
[ "${#days[@]}" -eq 1 ] || fail "expected one day folder: ${days[*]}"
day="${days[0]}"
[[ "$(basename "$day")" =~ ^[0-9]{1,2}-[0-9]{1,2}-[0-9]{4}$ ]] || fail "day folder name: $day"
text() { drv errtext "$1" | sed 's/^\[\(.*\)\]$/\1/'; }

# check FILE SEPARATOR NAME WORD FIFTH(regex) CODE: the file holds exactly one line,
# with the given fields and the platform's text of the code.
check() {
    local file="$day$1" sep="$2" name="$3" word="$4" fifth="$5" code="$6"
    [ -f "$file" ] || fail "missing log file $1 (have: $(ls "$day" | tr '\n' ' '))"
    python3 - "$file" "$sep" "$name" "$word" "$fifth" "$(text "$code")" "$code" <<'PY' || fail "log file $1"
import re, sys
path, sep, name, word, fifth, text, code = sys.argv[1:]
data = open(path, "rb").read().decode("ascii")
lines = data.split("\r\n")
if lines[-1] != "" or len(lines) != 2:
    sys.exit("want one CR LF line, got %r" % data)
fields = lines[0].split(sep)
if len(fields) != 7:
    sys.exit("want 7 fields, got %r" % lines[0])
date, time, got_name, got_word, got_fifth, got_text, got_code = fields
ok = (re.fullmatch(r"\d\d/\d\d/\d\d", date) and re.fullmatch(r"\d\d:\d\d:\d\d", time) and got_name == name
      and got_word == word and re.fullmatch(fifth, got_fifth) and got_text == text and got_code == code)
if not ok:
    sys.exit("line %r, want %r" % (lines[0], [name, word, fifth, text, code]))
PY
}

check "127.0.0.1_Ping_IPv4.txt" " | " "up ping" Up '\d+' 0
check "127.0.0.1_TCP_${NETFIX_HTTP4}_IPv4.txt" " | " "open tcp" Open '\d+' 0
check "127.0.0.1_TCP_${NETFIX_FULL4}_IPv4.txt" " | " "timeout tcp" Down Timeout 10060
check "127.0.0.1_TCP_${NETFIX_CLOSED4}_IPv4.txt" " | " "closed tcp" Closed '\d+' 10061
check "127.0.0.1_URL_${NETFIX_CLOSED4}_IPv4.txt" " | " "url failed" Down Failed 12029
check "--1_Ping_IPv6.txt" " | " "v6 ping" ERROR N/A 120
check "--1_TCP_${NETFIX_HTTP6}_IPv6.txt" " | " "v6 open" Open '\d+' 0
check "127.0.0.1_Ping_IPv4.csv" $'\t' "csv ping" Up '\d+' 0
check "127.0.0.1_TCP_${NETFIX_CLOSED4}_IPv4.csv" $'\t' "csv closed" Closed '\d+' 10061

# Two monitors of one target share its file, one line each, told apart by their names.
url_file="${day}127.0.0.1_URL_${NETFIX_HTTP4}_IPv4.txt"
[ -f "$url_file" ] || fail "missing shared URL log"
assert_eq "$(grep -c $'\r$' "$url_file")" "2" "lines of the shared URL log"
grep -Eq "^[0-9/]{8} \| [0-9:]{8} \| url up \| Up \| [0-9]+ \| $(text 0) \| 0"$'\r$' "$url_file" || fail "url up line"
grep -Eq "^[0-9/]{8} \| [0-9:]{8} \| url snf \| S\.n\.F\. \| [0-9]+ \| $(text 0) \| 0"$'\r$' "$url_file" ||
    fail "url snf line"
assert_eq "$(ls "$day" | wc -l)" "10" "log files in the day folder"
pass

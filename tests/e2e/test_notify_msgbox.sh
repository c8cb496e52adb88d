#!/usr/bin/env bash
# Message-box notifications: a box captioned "Orvalen", above other windows, with the
# text of the status and method, readable and closable from outside; shown once per
# change of status.
source "$(dirname "$0")/lib.sh"

closed_port="$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')"
date_re='[0-9][0-9]/[0-9][0-9]/[0-9][0-9]'
time_re='[0-9][0-9]:[0-9][0-9]:[0-9][0-9]'

# Runs one monitor whose message box fires at its first check; leaves the box's text
# in $E2E_DIR/$1.txt and closes the box and the program.
show_box() {
    local run="$1"
    local appdata
    appdata="$(new_appdata "$run")"
    write_main_ini "$appdata"
    start_orvalen "$appdata"
    wait_window "Orvalen "
    drv msgbox Orvalen 20000 >"$E2E_DIR/$run.txt" || fail "$run: no message box"
    local exstyle
    exstyle="$(drv msgbox-exstyle Orvalen)"
    (( exstyle & 0x8 )) || fail "$run: box not topmost ($exstyle)"
    drv msgbox-press Orvalen 1 >/dev/null || fail "$run: could not press OK"
    drv wait-gone Orvalen 10000 >/dev/null || fail "$run: box still open"
    # The status stays the same: no second box.
    sleep 3
    assert_eq "$(drv count Orvalen)" "0" "$run: boxes after the first"
    drv close "Orvalen " >/dev/null
    wait_exit "$LAST_PID" 20000
}

# The box text of a run with the date and time lines made "Date: D" and "Time: T".
box_text() {
    sed -e "s#^Date: $date_re\$#Date: D#" -e "s#^Time: $time_re\$#Time: T#" -e '/^$/d' "$E2E_DIR/$1.txt"
}

# A refused connection: the default description.
show_box tcp <<INI
[main]
NumBox=1
EnableLog=0
[Box 0]
Name=Web 1
CheckMethod=2
IPorURLAddress=127.0.0.1
Port=$closed_port
CheckInterval=1
MsgBox=4
nMSGB=0
INI
expected="$(printf '%s\n' "Description: Web 1 is Closed" "Status: Closed" "Date: D" "Time: T" "Name: Web 1" \
    "Method: TCP" "IP: 127.0.0.1" "Port: $closed_port")"
assert_eq "$(box_text tcp)" "$expected" "TCP Closed box"

# A URL address error, with a description of its own.
show_box url <<INI
[main]
NumBox=1
EnableLog=0
[Box 0]
Name=*URL ERROR*
CheckMethod=3
IPorURLAddress=http://127.0.0.1:8080/status
CheckInterval=1
MsgBox=8
MsgBoxDesc=%status of %name
INI
expected="$(printf '%s\n' "Description: URL ERROR of *URL ERROR*" "Status: URL ERROR" "Date: D" "Time: T" \
    "Name: *URL ERROR*" "Method: URL" "URL: http://127.0.0.1:8080/status")"
assert_eq "$(box_text url)" "$expected" "URL ERROR box"

# Closed of a Ping monitor (a test name) has no text: the box is empty.
show_box ping <<INI
[main]
NumBox=1
EnableLog=0
[Box 0]
Name=*Closed*
CheckMethod=1
IPorURLAddress=127.0.0.1
CheckInterval=1
MsgBox=4
INI
assert_eq "$(box_text ping)" "" "Ping Closed box"
pass

#!/usr/bin/env bash
# "Send Net Message" and the user menu editor, opened from the box menu of a running
# strip and driven from outside. The program runs from a folder of its own with a
# recording stand-in named cmd.exe beside it, which the shell finds first.
source "$(dirname "$0")/lib.sh"

SEND="Send Net Message"
EDITOR="Customize Menu Items"
prog="$E2E_DIR/prog"
mkdir -p "$prog"
cp "$ORVALEN_BIN/Orvalen.exe" "$prog/"
cp "$ORVALEN_BIN/argrecorder.exe" "$prog/cmd.exe"
cp "$ORVALEN_BIN/argrecorder.exe" "$E2E_DIR/rec.exe"
injected="$E2E_DIR/injected.txt"
printf '@echo off\r\necho %%*>>"%s"\r\n' "$(winpath "$E2E_DIR/bat.log")" >"$E2E_DIR/send.bat"

appdata="$(new_appdata)"
ini="$(data_folder "$appdata")/MainConfAID1.ini"
menu="$(data_folder "$appdata")/MenuConf.ini"
{
    ini_section main FirstStart=0 PosX=200 PosY=300 WinPos=1 NumBox=2 EnableLog=0
    ini_section "Box 0" Name=Local CheckMethod=1 IPorURLAddress=127.0.0.1 Disabled=1
    ini_section "Box 1" Name=Other CheckMethod=1 IPorURLAddress=127.0.0.2 Disabled=1
} | write_main_ini "$appdata"
# Nine rows counted, seven stored.
{
    printf '[Main]\nnrows=9\n'
    for i in 0 1 2 3 4 5 6; do printf '[Row %d]\nCaption=c%d\nApplication=app%d\nParameters=p%d\n' $i $i $i $i; done
} | sed 's/$/\r/' >"$menu"

ORVALEN_EXE="$prog/Orvalen.exe" start_strip "$appdata"

# Opens the menu of box 1 and chooses with the keys given (Right opens a submenu with its
# first item selected).
box1_menu() {
    xdotool mousemove $((STRIP_X + 8 + 55)) $((STRIP_Y + 45)) click 3
    sleep 0.7
    xdotool key --delay 120 "${@:1:$#-1}"
    [ -z "${NETMSG_DEBUG:-}" ] || screenshot "menu-$(date +%s%N)" >/dev/null
    xdotool key "${@: -1}"
}
item() { drv ctl-get "$1" "$2"; }
enabled() { drv ctl-state "$1" "$2" | sed -n 's/^enabled=\([01]\).*/\1/p'; }
set_item() { drv ctl-set "$1" "$2" "$3" >/dev/null; }
click() { drv ctl-click "$1" "$2" >/dev/null; }
lines() { [ -f "$1" ] && tr -d '\r' <"$1" || true; }
# Waits until the file has N lines.
wait_lines() {
    for _ in $(seq 1 40); do [ "$(lines "$1" | wc -l)" -ge "$2" ] && return 0; sleep 0.25; done
    fail "$1: fewer than $2 lines"
}
ini_value() {
    python3 - "$@" <<'PY'
import configparser, sys
raw = open(sys.argv[1], "rb").read()
text = raw.decode("utf-16") if raw[:2] == b"\xff\xfe" else raw.decode("latin-1")
p = configparser.RawConfigParser(strict=False, interpolation=None)
p.optionxform = str.lower
p.read_string(text)
print(p.get(sys.argv[2], sys.argv[3].lower(), fallback="<none>"))
PY
}

# --- Send Net Message (Tools, 7th item) -------------------------------------------------
box1_menu Down Right Down Down Down Down Down Down Return
wait_window "$SEND"
assert_eq "$(item "$SEND" 1069)" "To IP: 127.0.0.1" "host line"
assert_eq "$(item "$SEND" 1062)" "console" "user name read"
assert_eq "$(enabled "$SEND" 1)" "0" "Send at opening"
# The user name as typed, key by key.
set_item "$SEND" 1062 ""
drv ctl-focus "$SEND" 1062 >/dev/null
sleep 0.3
xdotool type --delay 80 'j.doe!x'
sleep 0.5
assert_eq "$(item "$SEND" 1062)" "jdoex" "typed user name"
# One blank is cleared, two are a message.
set_item "$SEND" 1052 " "
assert_eq "$(item "$SEND" 1052)|$(enabled "$SEND" 1)" "|0" "one blank"
set_item "$SEND" 1052 "  "
assert_eq "$(enabled "$SEND" 1)" "1" "two blanks"
# Sent with the default template; the message is cleared for the next one.
set_item "$SEND" 1062 "bob"
set_item "$SEND" 1052 "Hello"
click "$SEND" 1
wait_lines "$prog/cmd.exe.log" 1
assert_eq "$(item "$SEND" 1052)|$(enabled "$SEND" 1)" "|0" "after Send"
set_item "$SEND" 1052 "a & b"
click "$SEND" 1
wait_lines "$prog/cmd.exe.log" 2
sleep 1
assert_eq "$(lines "$prog/cmd.exe.log")" \
    "$(printf '%s\n' '/K "msg /V /SERVER:127.0.0.1 bob Hello"' '/K "msg /V /SERVER:127.0.0.1 bob a _ b"')" \
    "command lines"
# "S" with no name stores and shows "console".
set_item "$SEND" 1062 ""
click "$SEND" 1219
sleep 0.5
assert_eq "$(ini_value "$ini" "Box 0" NetUserName)|$(item "$SEND" 1062)" "console|console" "S with no name"
# Settings: a batch program as the command; both keys are written on OK.
click "$SEND" 1163
wait_window "Send Net Message Settings"
set_item "Send Net Message Settings" 1052 "$(winpath "$E2E_DIR/send.bat")"
click "Send Net Message Settings" 1
drv wait-gone "Send Net Message Settings" 10000 >/dev/null || fail "settings still open"
assert_eq "$(ini_value "$ini" main SendNetMsgComm)|$(ini_value "$ini" main SendNetMsgParam)" \
    "$(winpath "$E2E_DIR/send.bat")|/K \"msg /V /SERVER:%ip %user %message\"" "settings written"
set_item "$SEND" 1052 "x & echo>$(winpath "$injected")"
click "$SEND" 1
wait_lines "$E2E_DIR/bat.log" 1
sleep 1
assert_eq "$(lines "$E2E_DIR/bat.log")" "/K \"msg /V /SERVER:127.0.0.1 console x _ echo_$(winpath "$injected")\"" \
    "batch parameters"
[ ! -e "$injected" ] || fail "a command in the message ran"
click "$SEND" 2
drv wait-gone "$SEND" 10000 >/dev/null || fail "net message still open"

# --- The user menu editor (Custom, after the seven commands) ----------------------------
open_editor() {
    box1_menu Down Down Right $(printf 'Down %.0s' $(seq 1 "$1")) Return
    wait_window "$EDITOR"
}
rows() { drv ctl-rows "$EDITOR" 1203 | tr '\n' ' '; }
before="$(md5sum <"$menu")"
open_editor 7
assert_eq "$(rows)" "*c0|app0|p0 c1|app1|p1 c2|app2|p2 c3|app3|p3 c4|app4|p4 c5|app5|p5 c6|app6|p6 " "rows of nrows 9"
assert_eq "$(enabled "$EDITOR" 1204)$(enabled "$EDITOR" 1083)" "00" "Add and Move Up at opening"
# The second-to-last row moved down is last and stays selected.
drv ctl-focus "$EDITOR" 1203 >/dev/null
sleep 0.3
xdotool key End Up
sleep 0.3
click "$EDITOR" 1205
sleep 0.5
assert_eq "$(rows | awk '{print $6 $7}')" "c6|app6|p6*c5|app5|p5" "moved down"
assert_eq "$(enabled "$EDITOR" 1205)$(enabled "$EDITOR" 1083)" "01" "Move Down and Up on the last row"
# Deleting enables Add; a new row through the item dialog is added and selected.
click "$EDITOR" 1011
sleep 0.5
assert_eq "$(enabled "$EDITOR" 1204)" "1" "Add after a delete"
click "$EDITOR" 1204
wait_window "Add/Edit Menu Item"
set_item "Add/Edit Menu Item" 1052 "new"
set_item "Add/Edit Menu Item" 1062 "app"
click "Add/Edit Menu Item" 1
drv wait-gone "Add/Edit Menu Item" 10000 >/dev/null || fail "item dialog still open"
assert_eq "$(rows | awk '{print $7}')|$(enabled "$EDITOR" 1204)" "*new|app||0" "added row"
click "$EDITOR" 2
drv wait-gone "$EDITOR" 10000 >/dev/null || fail "editor still open"
assert_eq "$(md5sum <"$menu")" "$before" "file after Cancel"

# Five rows, two deleted, the first edited: OK writes three and leaves rows 3 and 4.
{
    printf '[Main]\nnrows=5\n'
    for i in 0 1 2 3 4; do
        printf '[Row %d]\nCaption=c%d\nApplication=%s\nParameters=row%d %%ip\n' $i $i "$(winpath "$E2E_DIR/rec.exe")" $i
    done
} | sed 's/$/\r/' >"$menu"
open_editor 5
click "$EDITOR" 1011
sleep 0.3
click "$EDITOR" 1011
sleep 0.3
click "$EDITOR" 1010
wait_window "Add/Edit Menu Item"
assert_eq "$(item "Add/Edit Menu Item" 1052)" "c2" "caption to edit"
set_item "Add/Edit Menu Item" 1052 "First"
click "Add/Edit Menu Item" 1
drv wait-gone "Add/Edit Menu Item" 10000 >/dev/null || fail "item dialog still open"
click "$EDITOR" 1
drv wait-gone "$EDITOR" 10000 >/dev/null || fail "editor still open"
assert_eq "$(ini_value "$menu" Main nrows) $(ini_value "$menu" "Row 0" Caption) $(ini_value "$menu" "Row 2" Caption)" \
    "3 First c4" "rows written"
assert_eq "$(ini_value "$menu" "Row 3" Caption) $(ini_value "$menu" "Row 4" Caption)" "c3 c4" "old rows kept"
# The box menu reads the new list: its first command is the edited row.
box1_menu Down Down Right Return
wait_lines "$E2E_DIR/rec.exe.log" 1
assert_eq "$(lines "$E2E_DIR/rec.exe.log")" "row2 127.0.0.1" "first user command"
close_window "$TITLE" "$LAST_PID"
pass

#!/usr/bin/env bash
# "Send Net Message" and the user menu editor, opened from the box menu of a running
# strip and driven from outside. The program runs under another file name from a folder
# of its own with a recording stand-in named cmd.exe beside it, which the shell finds
# first: its own message boxes bear the file's name, Status Info's the product's.
source "$(dirname "$0")/lib.sh"

SEND="Send Net Message"
SETTINGS="Send Net Message Settings"
EDITOR="Customize Menu Items"
ITEM="Add/Edit Menu Item"
prog="$E2E_DIR/prog"
mkdir -p "$prog"
cp "$ORVALEN_BIN/Orvalen.exe" "$prog/NetWatch.exe"
cp "$ORVALEN_BIN/argrecorder.exe" "$prog/cmd.exe"
cp "$ORVALEN_BIN/argrecorder.exe" "$E2E_DIR/rec.exe"
injected="$(winpath "$E2E_DIR/injected.txt")"
printf '@echo off\r\necho %%*>>"%s"\r\n' "$(winpath "$E2E_DIR/bat.log")" >"$E2E_DIR/send.bat"

appdata="$(new_appdata)"
ini="$(data_folder "$appdata")/MainConfAID1.ini"
menu="$(data_folder "$appdata")/MenuConf.ini"
{
    ini_section main FirstStart=0 PosX=200 PosY=300 WinPos=1 NumBox=2 EnableLog=0
    ini_section "Box 0" Name=Local IPorURLAddress=127.0.0.1 Disabled=1
    ini_section "Box 1" Name=Other IPorURLAddress=127.0.0.2 Disabled=1
} | write_main_ini "$appdata"
# write_menu NROWS ROWS APPLICATION: rows "c<i>" with parameters "p<i> %ip".
write_menu() {
    printf '[Main]\r\nnrows=%d\r\n' "$1"
    for ((i = 0; i < $2; i++)); do printf '[Row %d]\r\nCaption=c%d\r\nApplication=%s\r\nParameters=p%d %%ip\r\n' $i $i "$3" $i; done
}
write_menu 9 7 app >"$menu"
ORVALEN_EXE="$prog/NetWatch.exe" start_strip "$appdata"

box1_menu() { strip_menu $(box_point 1 55 44) "$@"; }
get() { drv ctl-get "$1" "$2"; }
put() { drv ctl-set "$1" "$2" "$3" >/dev/null; }
press() { drv ctl-press "$1" "$2" >/dev/null || fail "$1: no button $2"; }
open_by() { drv ctl-click "$1" "$2" >/dev/null; wait_window "$3"; }
closed() { drv wait-gone "$1" 10000 >/dev/null || fail "'$1' still open"; }
enabled() { for id in "${@:2}"; do drv ctl-state "$1" "$id" | sed -n 's/^enabled=\([01]\).*/\1/p'; done | tr -d '\n'; }
answer() {  # answer CAPTION TEXT: the message box shows TEXT; OK closes it
    assert_eq "$(drv msgbox "$1" 5000)" "$2" "message box '$1'"
    drv msgbox-press "$1" $IDOK >/dev/null
    drv wait-gone "$1" 5000 >/dev/null || fail "'$1' still open"
}
line_count() { wc -l <"$1" 2>/dev/null || echo 0; }
lines() { wait_until 10 output_is "$2" line_count "$1"; tr -d '\r' <"$1"; }

# --- Send Net Message (Tools, 7th item) -------------------------------------------------
box1_menu Down Right Down Down Down Down Down Down Return
wait_window "$SEND"
assert_eq "$(get "$SEND" $IDC_NETMSG_TO)|$(get "$SEND" $IDC_NETMSG_USER)|$(enabled "$SEND" $IDOK)" "To IP: 127.0.0.1|console|0" "at opening"
# The user name as typed key by key: the caret stays at the end.
put "$SEND" $IDC_NETMSG_USER ""
drv ctl-focus "$SEND" $IDC_NETMSG_USER >/dev/null
xdotool type --delay 80 'j.doe!x'
wait_until 5 output_is jdoex get "$SEND" $IDC_NETMSG_USER
assert_eq "$(get "$SEND" $IDC_NETMSG_USER)" "jdoex" "typed user name"
# One blank is cleared, two are a message.
put "$SEND" $IDC_NETMSG_MESSAGE " "
assert_eq "$(get "$SEND" $IDC_NETMSG_MESSAGE)|$(enabled "$SEND" $IDOK)" "|0" "one blank"
put "$SEND" $IDC_NETMSG_MESSAGE "  "
assert_eq "$(enabled "$SEND" $IDOK)" "1" "two blanks"
# The default template with the three values, the message cleared after each Send; a
# message with "&" is one command line with the text made inert; "%" and "!" arrive as
# typed, a typed placeholder too.
put "$SEND" $IDC_NETMSG_USER "bob"
for message in "Hello" "a & b" "Done! 50% %ip"; do
    put "$SEND" $IDC_NETMSG_MESSAGE "$message"
    press "$SEND" $IDOK
done
assert_eq "$(get "$SEND" $IDC_NETMSG_MESSAGE)|$(enabled "$SEND" $IDOK)" "|0" "after Send"
# An emptied user name is sent as "console", never as a missing argument.
put "$SEND" $IDC_NETMSG_USER ""
put "$SEND" $IDC_NETMSG_MESSAGE "to nobody"
press "$SEND" $IDOK
assert_eq "$(lines "$prog/cmd.exe.log" 4)" "$(printf '%s\n' '/K "msg /V /SERVER:127.0.0.1 bob Hello"' \
    '/K "msg /V /SERVER:127.0.0.1 bob a _ b"' '/K "msg /V /SERVER:127.0.0.1 bob Done! 50% %ip"' \
    '/K "msg /V /SERVER:127.0.0.1 console to nobody"')" "command lines"
# "S" with no name stores and shows "console".
put "$SEND" $IDC_NETMSG_USER ""
press "$SEND" $IDC_NETMSG_SAVE_USER
assert_eq "$(ini_get "$ini" "Box 0" NetUserName)|$(get "$SEND" $IDC_NETMSG_USER)" "console|console" "S with no name"
# Settings writes both keys; with a batch program as the command a command in the
# message does not run.
open_by "$SEND" $IDC_NETMSG_SETTINGS "$SETTINGS"
put "$SETTINGS" $IDC_NETMSG_PARAMETERS ""
drv ctl-type "$SETTINGS" $IDC_NETMSG_PARAMETERS "$(printf 'p%.0s' $(seq 1 300))"
assert_eq "$(get "$SETTINGS" $IDC_NETMSG_PARAMETERS | tr -d '\n' | wc -c)" 255 "net message parameters typed 300 characters long"
press "$SETTINGS" $IDC_NETMSG_DEFAULT
assert_eq "$(get "$SETTINGS" $IDC_NETMSG_COMMAND)|$(get "$SETTINGS" $IDC_NETMSG_PARAMETERS)" "cmd|/K \"msg /V /SERVER:%ip %user %message\"" "Default"
put "$SETTINGS" $IDC_NETMSG_COMMAND "$(winpath "$E2E_DIR/send.bat")"
press "$SETTINGS" $IDOK
closed "$SETTINGS"
assert_eq "$(ini_get "$ini" main SendNetMsgComm)|$(ini_get "$ini" main SendNetMsgParam)" \
    "$(winpath "$E2E_DIR/send.bat")|/K \"msg /V /SERVER:%ip %user %message\"" "settings written"
put "$SEND" $IDC_NETMSG_MESSAGE "x & echo>$injected"
press "$SEND" $IDOK
assert_eq "$(lines "$E2E_DIR/bat.log" 1)" "/K \"msg /V /SERVER:127.0.0.1 console x _ echo_$injected\"" "batch parameters"
[ ! -e "$E2E_DIR/injected.txt" ] || fail "a command in the message ran"
# A command that cannot be started is reported, and the message cleared all the same.
open_by "$SEND" $IDC_NETMSG_SETTINGS "$SETTINGS"
put "$SETTINGS" $IDC_NETMSG_COMMAND 'Z:\nowhere\none.exe'
press "$SETTINGS" $IDOK
closed "$SETTINGS"
put "$SEND" $IDC_NETMSG_MESSAGE "lost"
drv ctl-click "$SEND" $IDOK >/dev/null
answer NetWatch "ERROR FILE NOT FOUND"
assert_eq "$(get "$SEND" $IDC_NETMSG_MESSAGE)|$(enabled "$SEND" $IDOK)" "|0" "after a failed Send"
press "$SEND" $IDCANCEL
closed "$SEND"

# --- The user menu editor (Custom, after the user commands) -----------------------------
open_editor() {
    box1_menu Down Down Right $(printf 'Down %.0s' $(seq 1 "$1")) Return
    wait_window "$EDITOR"
}
row() { drv ctl-rows "$EDITOR" $IDC_MENU_LIST | sed -n "${1}p"; }
before="$(md5sum <"$menu")"
open_editor 7
assert_eq "$(drv ctl-rows "$EDITOR" $IDC_MENU_LIST | cut -d'|' -f1 | tr '\n' ' ')" "*c0 c1 c2 c3 c4 c5 c6 " "rows of nrows 9"
assert_eq "$(enabled "$EDITOR" $IDC_MENU_ADD $IDC_MENU_MOVE_UP)" "00" "Add and Move Up at opening"
# The second-to-last row moved down is last, whole, and stays selected.
drv ctl-focus "$EDITOR" $IDC_MENU_LIST >/dev/null
xdotool key End Up
press "$EDITOR" $IDC_MENU_MOVE_DOWN
assert_eq "$(row 6)$(row 7)|$(enabled "$EDITOR" $IDC_MENU_MOVE_DOWN $IDC_MENU_MOVE_UP)" "c6|app|p6 %ip*c5|app|p5 %ip|01" "moved down"
# Deleting enables Add; the item dialog adds a row, selected, and Add is disabled again.
press "$EDITOR" $IDC_MENU_DELETE
assert_eq "$(enabled "$EDITOR" $IDC_MENU_ADD)" "1" "Add after a delete"
open_by "$EDITOR" $IDC_MENU_ADD "$ITEM"
put "$ITEM" $IDC_MENU_CAPTION "new"
drv ctl-type "$ITEM" $IDC_MENU_APPLICATION "$(printf 'a%.0s' $(seq 1 300))"
press "$ITEM" $IDOK
closed "$ITEM"
assert_eq "$(row 7)|$(enabled "$EDITOR" $IDC_MENU_ADD)" "*new|$(printf 'a%.0s' $(seq 1 255))||0" "added row, its application typed 300 characters long"
press "$EDITOR" $IDCANCEL
closed "$EDITOR"
assert_eq "$(md5sum <"$menu")" "$before" "file after Cancel"

# Five rows, the first two deleted, the next edited: OK writes three rows and leaves
# the sections of rows 3 and 4; the box menu's first command is then the edited row.
write_menu 5 5 "$(winpath "$E2E_DIR/rec.exe")" >"$menu"
open_editor 5
press "$EDITOR" $IDC_MENU_DELETE
press "$EDITOR" $IDC_MENU_DELETE
# A click below the rows leaves none selected: Edit asks for one.
read -r lx ly lw lh <<<"$(drv ctl-rect "$EDITOR" $IDC_MENU_LIST)"
xdotool mousemove $((lx + lw / 2)) $((ly + lh - 8)) click 1
drv ctl-click "$EDITOR" $IDC_MENU_EDIT >/dev/null
answer NetWatch "Please select row."
drv ctl-focus "$EDITOR" $IDC_MENU_LIST >/dev/null
xdotool key Home
open_by "$EDITOR" $IDC_MENU_EDIT "$ITEM"
assert_eq "$(get "$ITEM" $IDC_MENU_CAPTION)" "c2" "caption to edit"
put "$ITEM" $IDC_MENU_CAPTION "First"
press "$ITEM" $IDOK
closed "$ITEM"
press "$EDITOR" $IDOK
closed "$EDITOR"
assert_eq "$(for k in "Main nrows" "Row 0 Caption" "Row 2 Caption" "Row 3 Caption" "Row 4 Caption"; do
    ini_get "$menu" "${k% *}" "${k##* }"; done | tr '\n' ' ')" "3 First c4 c3 c4 " "rows written"
box1_menu Down Down Right Return
assert_eq "$(lines "$E2E_DIR/rec.exe.log" 1)" "p2 127.0.0.1" "first user command"
box1_menu Down Down Down Down Down Down Return
answer Orvalen "$(printf 'Name: Local\nStatus: DISABLED\n%s\nWin Sys Error Code = 0' "$(drv errtext 0 | sed 's/^\[//; s/ *\]$//')")"
close_window "$TITLE" "$LAST_PID"
pass

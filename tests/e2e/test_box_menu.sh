#!/usr/bin/env bash
# The box menu driven with real right clicks and keys: moving, deleting and duplicating
# boxes (screen and file), results that follow their moved box (moved left, right, and
# by deletes, while their check is out), the tools' launches recorded by stand-ins (a
# short host name goes on unchanged; a host holding command characters is refused with a
# message and starts nothing extra), View Log, Status Info, Disable and Enable of one
# box, the grip strip's menu and the double-click command; then, in a second start, "%"
# in hosts and values (refused by Ping, Trace route and the monitor dialog, made inert
# for a user command, an IPv6 zone number launched as it is) and a program's arguments
# whatever the monitor holds; in a third, a strip of 70 monitors that cannot grow.
source "$(dirname "$0")/lib.sh"

# The program runs from a folder of its own, beside stand-ins for "cmd" and "mstsc"
# (the shell finds a program there first); web, FTP and folder addresses are handed to
# a third recorder through the classes registry.
BIN="$E2E_DIR/bin"
mkdir -p "$BIN"
cp "$ORVALEN_BIN/Orvalen.exe" "$BIN/"
for name in cmd mstsc opener rec; do cp "$ORVALEN_BIN/argrecorder.exe" "$BIN/$name.exe"; done
HANDLER_KEYS=('HKLM\Software\Classes\http\shell\open\command' 'HKLM\Software\Classes\ftp\shell\open\command'
    'HKLM\Software\Classes\Folder\shell\open\command' 'HKLM\Software\Classes\txtfile\shell\open\command'
    'HKLM\Software\Classes\.txt')  # the last one: ".txt" is first left to no program
UNC_HOST="$WINEPREFIX/dosdevices/unc/db"   # Wine reaches \\db\ through this folder
restore_handlers() {
    local i
    for i in "${!HANDLER_KEYS[@]}"; do
        wine reg delete "${HANDLER_KEYS[$i]}" /f >/dev/null 2>&1 || true
        [ ! -s "$E2E_DIR/handler$i.reg" ] || wine reg import "$E2E_DIR/handler$i.reg" >/dev/null 2>&1 || true
    done
    rmdir "$UNC_HOST" 2>/dev/null || true
}
trap 'restore_handlers; end_started' EXIT
for i in "${!HANDLER_KEYS[@]}"; do
    wine reg export "${HANDLER_KEYS[$i]}" "$(winpath "$E2E_DIR/handler$i.reg")" >/dev/null 2>&1 || true
    [ "$i" != 4 ] || { wine reg delete "${HANDLER_KEYS[$i]}" /f >/dev/null 2>&1 || true; continue; }
    wine reg add "${HANDLER_KEYS[$i]}" /ve /d "\"$(winpath "$BIN/opener.exe")\" \"%1\"" /f >/dev/null 2>&1 \
        || fail "cannot register the address recorder"
done
mkdir -p "$UNC_HOST"

start_fixture python3 "$ORVALEN_SRC/tests/fixtures/delayed_page_server.py"
SLOW_URL="http://127.0.0.1:$DELAY_HTTP4/delay/10000"

# Boxes, each with colours of its own: Up and Down test monitors, a page that answers
# only after 10 s, a disabled URL monitor of a remote host with a short name, one whose
# hand-edited name and address hold command characters, and a Ping monitor of that
# short name.
appdata="$(new_appdata)"
ini="$(data_folder "$appdata")/MainConfAID1.ini"
{
    printf '[main]\nFirstStart=0\nPosX=40\nPosY=600\nWinPos=1\nNumBox=6\nTimeOut=20000\nEnableLog=0\n'
    printf 'ShowIPAddress=0\nShowMethod=0\nShowStatus=0\nShowReplyTime=0\n'
    printf 'DCOBEFE=1\nDCOBEFPath=cmd\nDCOBEFParameters=/C echo double %%name\n'
    printf '[Box 0]\nName=*Up*\nIPorURLAddress=127.0.0.1\nCheckInterval=1\nBoxColorUp=0x0000C800\n'
    printf '[Box 1]\nName=*Down*\nIPorURLAddress=127.0.0.1\nCheckInterval=1\nBoxColorDown=0x00808080\nBoxColorUp=0x00FFFF00\n'
    printf '[Box 2]\nName=Slow page\nCheckMethod=3\nIPorURLAddress=%s\nPhrase=orvalen-phrase\nCheckInterval=3600\n' "$SLOW_URL"
    printf 'BoxColorUp=0x00C80000\nBoxColorDown=0x00FF00FF\n'
    printf '[Box 3]\nName=My Server\nCheckMethod=3\nIPorURLAddress=http://db:8080/\nDisabled=1\n'
    printf '[Box 4]\nName=x&echo\nIPorURLAddress=127.0.0.1&echo\nDisabled=1\n'
    printf '[Box 5]\nName=db\nIPorURLAddress=db\nDisabled=1\n'
} | write_main_ini "$appdata"
printf '[Main]\nnrows=1\n[Row 0]\nCaption=Echo\nApplication=cmd\nParameters=/C echo %%ip %%name %%port\n' |
    sed 's/$/\r/' >"$(data_folder "$appdata")/MenuConf.ini"

box_corner 1 >/dev/null  # the boxes' places asked before the slow page's check starts
wine "$ORVALEN_BIN/orvdriver.exe" launch "$(winpath "$appdata")" "$(winpath "$BIN/Orvalen.exe")" \
    >"$E2E_DIR/launch.out" 2>/dev/null </dev/null || true
pid="$(tr -d '\r\n' <"$E2E_DIR/launch.out")"
[ -n "$pid" ] || fail "could not start Orvalen"
WIN_PIDS+=("$pid")
wait_window "$TITLE"
read -r STRIP_X STRIP_Y _ _ <<<"$(drv rect "$TITLE")"
x=$STRIP_X y=$STRIP_Y

box_x() { box_point "$1" 4 | cut -d' ' -f1; }
BOX_Y=$((y + 31))
GREEN="0 200 0"; GREY="128 128 128"; BLUE="0 0 200"; WHITE="255 255 255"

# menu BOX KEYS...: right click on box BOX (0: the grip strip), then the keys.
menu() {
    local box="$1" at
    shift
    at=$([ "$box" = 0 ] && echo $((x + 3)) || box_x "$box")
    strip_menu "$at" "$BOX_Y" "$@"
}
ini_value() { ini_get "$ini" "$@"; }
expect_numbox() {  # the count written after a command (waited for up to 10 s)
    wait_until 10 output_is "$1" ini_value main NumBox
    assert_eq "$(ini_value main NumBox)" "$1" "NumBox $2"
}
names() { for i in $(seq 0 $(($1 - 1))); do ini_value "Box $i" Name; done; }
expect_order() {  # the Name of each section, in order (written after the window is drawn)
    local want
    want="$(printf '%s\n' "$@")"
    wait_until 10 output_is "$want" names $#
    assert_eq "$(names $#)" "$want" "the sections' names"
}
answer_box() {  # answer_box TEXT BUTTON: the message box shows TEXT and is answered
    assert_eq "$(drv msgbox Orvalen 5000)" "$1" "message box"
    drv msgbox-press Orvalen "$2" >/dev/null
    drv wait-gone Orvalen 5000 >/dev/null || true
}
no_box() { ! drv msgbox Orvalen 1500 >/dev/null || fail "$1 showed a message box"; }

# The open menu frames its box with dots; Move Left on box 3 of 5, before its page answers.
shot="$(wait_pixel "$(box_x 2)" "$BOX_Y" "$GREY" started)"
# Right opens a submenu with its first item selected.
MENU_SHOT=menu_open menu 3 Down Down Down Right Return
expect_pixel "$E2E_DIR/menu_open.png" $(box_point 3) "154 1 39" "dotted frame of box 3"
shot="$(wait_pixel "$(box_x 3)" "$BOX_Y" "$GREY" moved)"
expect_pixel "$shot" "$(box_x 2)" "$BOX_Y" "$WHITE" "the slow page, still checking, at 2"
expect_order "*Up*" "Slow page" "*Down*"
# Its result, and the Down box's, reach the boxes where they are now.
shot="$(wait_pixel "$(box_x 2)" "$BOX_Y" "$BLUE" answered)"
expect_pixel "$shot" "$(box_x 2)" "$BOX_Y" "$BLUE" "the slow page's result at 2"
sleep 1.5  # time for more checks (every second): their results too reach the moved boxes
shot="$(screenshot later)"
for i in 1 2 3; do
    want=("" "$GREEN" "$BLUE" "$GREY")
    expect_pixel "$shot" "$(box_x $i)" "$BOX_Y" "${want[$i]}" "box $i after the move"
done

# Tools at the short host inside a URL (box 4) and at that host itself (box 6: Ping, Web,
# Remote Desktop), and at a hand-edited one holding command characters (box 5): there
# every tool says it refused the host, and only the user's and the double-click command
# run, with the values made inert.
TOOLS=("Down Right" "Down Right Down" "Down Right Down Down" "Down Right Down Down Down"
    "Down Right Down Down Down Down" "Down Right Down Down Down Down Down" "Down Down Right")
refused() {  # a message box names the refused host and is answered
    local text
    text="$(drv msgbox Orvalen 5000)" || fail "no message for the refused host ($1)"
    [[ "$text" == *"127.0.0.1&echo"* ]] || fail "the message for $1 does not name the host: $text"
    drv msgbox-press Orvalen $IDOK >/dev/null
    drv wait-gone Orvalen 5000 >/dev/null || true
}
for box in 4 5; do
    for keys in "${TOOLS[@]}"; do
        # shellcheck disable=SC2086
        menu "$box" $keys Return
        [ "$box" = 4 ] || [ "$keys" = "Down Down Right" ] || refused "$keys"
    done
    xdotool mousemove "$(box_x $box)" "$BOX_Y" click --repeat 2 --delay 80 1
    sleep 1  # a click that follows a double-click too soon is taken as part of it
done
for keys in "${TOOLS[0]}" "${TOOLS[1]}" "${TOOLS[5]}"; do
    # shellcheck disable=SC2086
    menu 6 $keys Return
done
recorded() { tr -d '\r' <"$BIN/$1.exe.log" | sort; }
launches() { local name; for name; do recorded "$name" 2>/dev/null | wc -l; done | xargs; }  # runs of each recorder
wait_until 10 output_is "7 4" launches cmd opener
assert_eq "$(recorded cmd)" "$(printf '%s\n' '/C "ping db -n 10 && PAUSE"' '/C "tracert db && PAUSE"' \
    '/C "ping db -n 10 && PAUSE"' '/C echo db My-Server 8080' '/C echo 127.0.0.1_echo x_echo N/A' \
    '/C echo double My-Server' '/C echo double x_echo' | sort)" "console and user command lines"
assert_eq "$(recorded mstsc)" "$(printf '/v:db\n/v:db')" "remote desktop"
assert_eq "$(recorded opener)" "$(printf '%s\n' '"ftp://db"' '"http://db:8080/"' '"\\db\"' '"http://db"' | sort)" \
    "web, FTP and shares"
DELETE=(Down Down Down Down Down Down Down Down Down Return)
menu 6 "${DELETE[@]}"
answer_box "Are you sure that you want to delete this Monitor?" $IDYES
expect_numbox 5 "after deleting box 6"

# View Log without a log, with today's log of box 1 (as the log writer names it) but no
# program for ".txt", then with one; and Status Info of the Down box.
menu 1 Down Down Down Down Down Return
answer_box "Log file not found. If you want Logging, you need enable it and wait for status change." $IDOK
log="$(data_folder "$appdata")/Logs/$(date +%-m-%-d-%Y)/127.0.0.1_Ping_IPv4.txt"
mkdir -p "$(dirname "$log")"
: >"$log"
menu 1 Down Down Down Down Down Return
answer_box "There is no application associated with the given file name extension *.txt." $IDOK
wine reg add 'HKLM\Software\Classes\.txt' /ve /d txtfile /f >/dev/null 2>&1
menu 1 Down Down Down Down Down Return
wait_until 10 output_is 5 launches opener
assert_eq "$(tr -d '\r' <"$BIN/opener.exe.log" | tail -1)" "\"$(winpath "$log")\"" "the log file opened"
wine reg add 'HKLM\Software\Classes\txtfile\shell\open\command' /ve /d '"Z:\nowhere\none.exe" "%1"' /f >/dev/null 2>&1
menu 1 Down Down Down Down Down Return
answer_box "Could not open log file." $IDOK
menu 3 Down Down Down Down Down Down Return
answer_box "$(printf 'Name: *Down*\nStatus: Down\n%s\nWin Sys Error Code = 0' "$(drv errtext 0 | sed 's/^\[//; s/ *\]$//')")" $IDOK

# Disable and Enable of box 1: its section and its box follow.
menu 1 Down Down Down Down Return
wait_ini "$ini" "Box 0" Disabled 1
shot="$(wait_pixel "$(box_x 1)" "$BOX_Y" "$WHITE" disabled)"
expect_pixel "$shot" "$(box_x 1)" "$BOX_Y" "$WHITE" "box 1 disabled"
menu 1 Down Down Down Down Return
wait_ini "$ini" "Box 0" Disabled 0
shot="$(wait_pixel "$(box_x 1)" "$BOX_Y" "$GREEN" enabled)"
expect_pixel "$shot" "$(box_x 1)" "$BOX_Y" "$GREEN" "box 1 enabled again"

# On the grip strip only "Add Mon." can be chosen: Status Info and Ping do nothing.
menu 0 Down Down Down Down Down Down Return
no_box "Status Info on the grip strip"
menu 0 Down Right Return
menu 0 Down Down Down Down Down Down Down Return
wait_window "Add Monitor"
drv close "Add Monitor" >/dev/null
drv wait-gone "Add Monitor" 5000 >/dev/null || fail "the monitor dialog stayed"
assert_eq "$(recorded cmd | grep -c ping)" "2" "pings after the grip strip's Ping"

# Delete asks: No keeps box 5, Yes removes it and leaves its section in the file.
menu 5 "${DELETE[@]}"
answer_box "Are you sure that you want to delete this Monitor?" $IDNO
expect_numbox 5 "after No"
menu 5 "${DELETE[@]}"
answer_box "Are you sure that you want to delete this Monitor?" $IDYES
expect_numbox 4 "after deleting box 5"
assert_eq "$(drv rect "$TITLE" | cut -d' ' -f3)" "452" "width of four boxes"

# Duplicate on box 2 of 4: the copy follows it, checking, and sections 2 to 4 hold the rest.
menu 2 Down Down Down Right Down Down Return
expect_numbox 5 "after Duplicate"
expect_order "*Up*" "Slow page" "Slow page" "*Down*" "My Server"
shot="$(screenshot duplicated)"
expect_pixel "$shot" "$(box_x 3)" "$BOX_Y" "$WHITE" "the copy, checking"
# Move Right on the copy while its check is out: it changes places with the Down box.
menu 3 Down Down Down Right Down Return
expect_order "*Up*" "Slow page" "*Down*" "Slow page" "My Server"
shot="$(wait_pixel "$(box_x 3)" "$BOX_Y" "$GREY" copy_moved)"
expect_pixel "$shot" "$(box_x 4)" "$BOX_Y" "$WHITE" "the copy, still checking, at 4"

# Delete box 5, then box 2 of 4: three boxes remain, section 3 stays in the file; the
# copy's result, due later, reaches it at its new place.
menu 5 "${DELETE[@]}"
answer_box "Are you sure that you want to delete this Monitor?" $IDYES
menu 2 "${DELETE[@]}"
answer_box "Are you sure that you want to delete this Monitor?" $IDYES
expect_numbox 3 "after deleting box 2 of 4"
expect_order "*Up*" "*Down*" "Slow page" "Slow page"
shot="$(wait_pixel "$(box_x 3)" "$BOX_Y" "$BLUE" copy_answered)"
for i in 1 2 3; do
    want=("" "$GREEN" "$GREY" "$BLUE")
    expect_pixel "$shot" "$(box_x $i)" "$BOX_Y" "${want[$i]}" "box $i at the end"
done
close_window "$TITLE" "$pid"

# "%" in hosts and values, in a second start from the same folder. cmd expands %...%
# before it looks for "&", and %CMDCMDLINE:~-8,1% picks the "&" of its own command line
# on Windows (Wine's cmd does neither), so the launched lines are what is checked. Ping
# and Trace route refuse a hand-edited host with such a pair, launching nothing, and the
# tray opens no menu while the message is up; a user command gets that host with no live
# pair; a host with an IPv6 zone number is pinged as it is; the monitor dialog refuses
# the pair between a URL's brackets. A program run by a user command gets its eight
# arguments for a monitor named x\ (no quote escaped) and for a URL with blanks read
# from the file (no argument of the URL's own).
rm -f "$BIN"/*.exe.log "$BIN"/*.exe.argv
appdata="$(new_appdata percent)"
ini="$(data_folder "$appdata")/MainConfAID1.ini"
PERCENT_HOST='127.0.0.1%CMDCMDLINE:~-8,1%calc'
{
    ini_section main FirstStart=0 PosX=40 PosY=600 WinPos=1 NumBox=4 EnableLog=0
    ini_section "Box 0" Name=pct "IPorURLAddress=$PERCENT_HOST" Disabled=1
    ini_section "Box 1" Name=zone "IPorURLAddress=fe80::1%4" IPv=1 Disabled=1
    ini_section "Box 2" 'Name=x\' IPorURLAddress=127.0.0.1 Disabled=1
    ini_section "Box 3" Name=w CheckMethod=3 'IPorURLAddress=http://127.0.0.1:9/a --output C:\x.exe' Disabled=1
} | write_main_ini "$appdata"
{
    printf '[Main]\nnrows=2\n[Row 0]\nCaption=Ping2\nApplication=cmd\nParameters=/c ping %%ip -n 2 & pause\n'
    printf '[Row 1]\nCaption=Args\nApplication=%s\n' "$(winpath "$BIN/rec.exe")"
    printf '%s\n' 'Parameters=--title "%name" --url %url --ip %ip --config "C:\a.ini"'
} | sed 's/$/\r/' >"$(data_folder "$appdata")/MenuConf.ini"
ORVALEN_EXE="$BIN/Orvalen.exe" start_strip "$appdata"
x=$STRIP_X y=$STRIP_Y BOX_Y=$((STRIP_Y + 31))
UM_TRAY_NOTIFY=0x401 WM_RBUTTONUP=517
for keys in "Down Right" "Down Right Down Down Down"; do  # Ping, Trace route
    # shellcheck disable=SC2086
    menu 1 $keys Return
    text="$(drv msgbox Orvalen 5000)" || fail "no message for the refused host ($keys)"
    [[ "$text" == *"$PERCENT_HOST"* ]] || fail "the message for $keys does not name the host: $text"
    assert_eq "$(drv send "$TITLE" $UM_TRAY_NOTIFY $(((32 << 16) | 12)) $WM_RBUTTONUP)" "0" \
        "tray answer while the refusal ($keys) is up"
    drv msgbox-press Orvalen $IDOK >/dev/null
    drv wait-gone Orvalen 5000 >/dev/null || true
done
menu 1 Down Down Right Return  # the user command
menu 2 Down Right Return       # Ping at fe80::1%4
wait_until 10 output_is 2 launches cmd
assert_eq "$(recorded cmd)" "$(printf '%s\n' '/C "ping fe80::1%4 -n 10 && PAUSE"' \
    '/c ping 127.0.0.1_CMDCMDLINE:~-8,1_calc -n 2 & pause' | sort)" "command lines with % in a host"
! recorded cmd | grep -v fe80 | grep -q '%[^%]*%' || fail "a live %...% pair reached cmd"
for box in 3 4; do menu $box Down Down Right Down Return; done  # the recorder, at x\ and at the URL
wait_until 10 output_is 2 launches rec
# A line per run: the count of arguments (the program's own included), then each in brackets.
arguments() { tr -d '\r' <"$BIN/rec.exe.argv" | sed 's/^\([0-9]*\) \[[^]]*\]/\1/' | sort; }
assert_eq "$(arguments)" "$(printf '%s\n' '9 [--title] [w] [--url] [http://127.0.0.1:9/a---output-C:\x.exe] [--ip] [] [--config] [C:\a.ini]' \
    '9 [--title] [x\] [--url] [N/A] [--ip] [127.0.0.1] [--config] [C:\a.ini]' | sort)" "a program's arguments"
EDIT=(Down Down Down Down Down Down Down Down Return)
menu 1 "${EDIT[@]}"
wait_window "Edit Monitor"
for id in $IDC_MON_URL $IDC_MON_IPV6; do drv ctl-press "Edit Monitor" "$id" >/dev/null; done
drv ctl-set "Edit Monitor" $IDC_MON_ADDRESS "http://[x%CMDCMDLINE:~-8,1%calc]/" >/dev/null
drv ctl-click "Edit Monitor" $IDOK >/dev/null
text="$(drv msgbox Orvalen 5000)" || fail "no message for the bracketed host"
assert_eq "$(head -1 <<<"$text")" "The URL does not contain a valid IPv6 http service type." "bracketed host refused"
drv msgbox-press Orvalen $IDOK >/dev/null
drv wait-gone Orvalen 5000 >/dev/null || true
drv wait-window "Edit Monitor" 0 >/dev/null || fail "the dialog closed on a refused address"
drv ctl-press "Edit Monitor" $IDCANCEL >/dev/null
drv wait-gone "Edit Monitor" 5000 >/dev/null || fail "the monitor dialog stayed"
assert_eq "$(ini_value "Box 0" IPorURLAddress)|$(ini_value "Box 0" CheckMethod)" "$PERCENT_HOST|<none>" "section after Cancel"
close_window "$TITLE" "$LAST_PID"

# Seventy monitors: Duplicate and Add Mon. do nothing.
appdata="$(new_appdata 70)"
ini="$(data_folder "$appdata")/MainConfAID1.ini"
{
    printf '[main]\nFirstStart=0\nPosX=0\nPosY=600\nWinPos=1\nNumBox=70\nXBox=60\nYBox=60\n'
    for i in $(seq 0 69); do printf '[Box %d]\nName=m%d\nDisabled=1\n' "$i" "$i"; done
} | write_main_ini "$appdata"
start_strip "$appdata"
x=$STRIP_X y=$STRIP_Y width=$STRIP_W
BOX_W=60
menu 1 Down Down Down Right Down Down Return
assert_eq "$(ini_value main NumBox)" "70" "NumBox of a full strip"
assert_eq "$(ini_value "Box 1" Name)" "m1" "section 1 of a full strip"
assert_eq "$(drv rect "$TITLE" | cut -d' ' -f3)" "$width" "width of a full strip"
menu 1 Down Down Down Down Down Down Down Return
! drv wait-window "Add Monitor" 1500 >/dev/null || fail "Add Mon. on a full strip opened the dialog"
close_window "$TITLE" "$LAST_PID"
pass

#!/usr/bin/env bash
# The monitor dialog driven like a user, in one program start: "Add Mon." after box 1
# of 2 (each method looked at on screen, the interval reset by its method, its spin and
# balloon, "Name is missing.", the IPv4 address message, "999.1.1.1" taken as a host,
# an emptied port stopping Apply and OK, port 70000 saved as 65535, Apply then OK adding
# exactly one monitor that turns Open on a loopback port), then "Edit Mon." giving box 1
# (an unknown IP version in the file: shown and saved as IPv4) a name typed past 255
# characters and cut there, a new name, address and a colour from the system colour
# dialog (its section alone rewritten, the box repainted, a balloon on a count, the
# strip answering within 300 ms of the posted click on OK), and as fast after an
# unchanged OK on box 2 and after Add Monitor's OK adding a Ping monitor after box 3.
source "$(dirname "$0")/lib.sh"
COLOR_RED=706 COLOR_GREEN=707 COLOR_BLUE=708   # the edits of the system colour dialog

start_fixture python3 -c '
import socket, sys, time
s = socket.socket(); s.bind(("127.0.0.1", 0)); s.listen(8)   # completes handshakes: Open
print("OPEN_PORT=%d" % s.getsockname()[1]); print("READY"); sys.stdout.flush()
time.sleep(3600)'

appdata="$(new_appdata)"
ini="$(data_folder "$appdata")/MainConfAID1.ini"
{
    ini_section main FirstStart=0 WinBeh=1 NumBox=2 PosX=20 PosY=650 WinPos=1 XBox=110 YBox=90
    ini_section "Box 0" "Name=*Up*" CheckInterval=3600 BoxColorUp=0x0000C800 IPv=7
    ini_section "Box 1" Name=Second IPorURLAddress=10.0.0.9 Disabled=1
} | write_main_ini "$appdata"
# A new monitor takes its look from the default skin.
mkdir -p "$(data_folder "$appdata")/Skins"
ini_section skin BoxColorUp=0x00C86400 | sed 's/$/\r/' >"$(data_folder "$appdata")/Skins/Default.ini"

section() { ini_lines "$ini" "$1"; }
key() { ini_get "$ini" "$1" "$2"; }

start_strip "$appdata"
pid="$LAST_PID"
box_x() { box_point "$1" 55 | cut -d' ' -f1; }
# box_menu BOX ITEM: right click on the box, then the ITEM-th item of the box menu
# (separators skipped: 7 "Add Mon.", 8 "Edit Mon.").
box_menu() {
    xdotool mousemove "$(box_x "$1")" $((STRIP_Y + 45)) click 3
    drv wait-menu 10000 || fail "no menu on box $1"
    xdotool key --delay 100 $(printf 'Down %.0s' $(seq 1 "$2")) Return
    drv wait-menu 10000 closed || fail "the menu on box $1 stayed open"
}
dlg() { drv "ctl-$1" "$DLG" "${@:2}"; }
# box_mostly BOX COLOUR SHOT: most of the box is of that colour on a screenshot taken now.
box_mostly() { (($(count_colour "$(screenshot "$3")" $(box_point "$1") 110 90 "$2") > 3000)); }
click() { dlg click "$1"; wait_handled "$DLG"; }
# ok_answered WHAT: OK clicked; from the posted click, the strip answers within 300 ms
# with the dialog gone, whatever the OK did (checks, saving, the box's thread restarted).
ok_answered() {
    local ms
    ms="$(dlg click-answer $IDOK "$TITLE")" || fail "no answer from the strip after OK: $1"
    ((ms < 300)) || fail "the strip answered ${ms} ms after the click on OK: $1"
}
# expect_message TEXT WHAT: the program's message box shows TEXT; answered with OK.
expect_message() {
    local texts
    texts="$(drv msgbox Orvalen 5000)" || fail "no message box: $2"
    drv msgbox-press Orvalen $IDOK >/dev/null
    drv wait-gone Orvalen 5000 >/dev/null || fail "the message box stayed: $2"
    grep -Fxq -- "$1" <<<"$texts" || fail "$2: message box shows '$texts'"
}

box_menu 1 7
DLG="Add Monitor"
wait_window "$DLG"
# Each method as the user sees it; the chosen method clicked again resets the interval.
for m in $IDC_MON_PING:ping:3 $IDC_MON_TCP:tcp:10 $IDC_MON_URL:url:30; do
    IFS=: read -r id name interval <<<"$m"
    dlg set $IDC_MON_INTERVAL 99
    click "$id"
    assert_eq "$(dlg get $IDC_MON_INTERVAL)" "$interval" "interval after clicking $name"
    screenshot "add-$name" >/dev/null
done
dlg set $IDC_MON_INTERVAL 99
click $IDC_MON_URL
assert_eq "$(dlg get $IDC_MON_INTERVAL)" 30 "interval after clicking URL again"
assert_eq "$(dlg get $IDC_MON_ADDRESS_LABEL)" "URL (http://IPv4)" "address label of URL"

click $IDC_MON_TCP
assert_eq "$(dlg state $IDC_MON_PORT)" "enabled=1 checked=0 visible=1" "port edit of TCP"
read -r sx sy sw _ <<<"$(dlg rect $IDC_MON_INTERVAL_SPIN)"  # the interval's up arrow, clicked
xdotool mousemove $((sx + sw / 2)) $((sy + 3)) click 1
wait_until 5 output_is 11 dlg get $IDC_MON_INTERVAL
assert_eq "$(dlg get $IDC_MON_INTERVAL)" 11 "interval one step up from TCP's 10"
assert_eq "$(drv tips "$DLG")" "Be careful, low Check Interval is many log records on monitored TCP Service. \
Please use this method for monitoring only your own TCP Service." "balloon at the TCP interval"
click $IDOK  # with no name
expect_message "Name is missing." "OK without a name"
dlg set $IDC_MON_NAME "web check"
dlg set $IDC_MON_ADDRESS "bad host"
click $IDOK
expect_message "The IP Address Edit Box does not contain a valid IPv4 Address or Host." "a blank in the address"
dlg set $IDC_MON_ADDRESS 999.1.1.1
# An emptied port is reported as it is typed, and again by Apply and OK, which then
# keep the dialog open: nothing is added.
dlg set $IDC_MON_PORT ""
expect_message "Enter a positive integer." "the port emptied"
for button in $IDC_APPLY $IDOK; do
    click "$button"
    expect_message "Enter a positive integer." "button $button with no port"
    drv wait-window "$DLG" 0 >/dev/null || fail "button $button closed the dialog with no port"
done
assert_eq "$(key main NumBox)" 2 "NumBox after Apply and OK with no port"
dlg set $IDC_MON_PORT 70000
click $IDC_APPLY  # added, and the dialog now edits it
DLG="Edit Monitor"
wait_window "$DLG" 5000
assert_eq "$(key main NumBox)" 3 "NumBox after Apply"
assert_eq "$(key 'Box 1' Port)" 65535 "port 70000 as saved"
assert_eq "$(key 'Box 1' IPorURLAddress)" 999.1.1.1 "a host name as the address test defines it"
assert_eq "$(key 'Box 2' Name)" Second "the clicked box's follower moved up a slot"
dlg set $IDC_MON_ADDRESS 127.0.0.1
dlg set $IDC_MON_PORT "$OPEN_PORT"
click $IDOK  # edits the monitor Apply added
drv wait-gone "$DLG" 5000 || fail "the dialog stayed open after OK"
assert_eq "$(key main NumBox)" 3 "NumBox after Apply and OK"
assert_eq "$(key 'Box 1' Name)/$(key 'Box 1' CheckMethod)/$(key 'Box 1' Port)" "web check/2/$OPEN_PORT" "the new monitor"
assert_eq "$(key 'Box 2' Disabled)" 1 "the moved monitor"
# The new box 2 turns Open: the default skin's Up colour fills most of it.
wait_until 10 box_mostly 2 "0 100 200" open

# Edit box 1: only its section is written again.
before="$(section 'Box 1'; section 'Box 2'; section main)"
box_menu 1 8
wait_window "$DLG"
assert_eq "$(dlg get $IDC_MON_NAME)" "*Up*" "name shown for editing"
assert_eq "$(dlg state $IDC_MON_IPV4)" "enabled=1 checked=1 visible=1" "IPv4 chosen for an unknown IP version"
# A name typed past what the file keeps stops at 255 characters.
dlg set $IDC_MON_NAME ""
dlg type $IDC_MON_NAME "$(printf 'n%.0s' $(seq 1 300))"
assert_eq "$(dlg get $IDC_MON_NAME | tr -d '\n' | wc -c)" 255 "length of a name typed 300 characters long"
dlg set $IDC_MON_INTERVAL 400
dlg set $IDC_MON_MSGBOX_COUNT 10
assert_eq "$(drv tips "$DLG")" "Show Message Box if IP change Status for 10 Checks = 1 hr 6 min 40 sec." "balloon of the typed count"
dlg set $IDC_MON_NAME " "
assert_eq "$(dlg get $IDC_MON_NAME)" "" "a lone blank as name"
dlg set $IDC_MON_NAME renamed
dlg set $IDC_MON_ADDRESS 127.0.0.2
# The Up background colour from the system colour dialog, typed in as red, green, blue.
click $IDC_MON_BOX_UP_COLOR
wait_window Color 5000
for rgb in $COLOR_RED:0 $COLOR_GREEN:128 $COLOR_BLUE:0; do drv ctl-set Color "${rgb%%:*}" "${rgb#*:}"; done
drv ctl-click Color $IDOK
drv wait-gone Color 5000 || fail "the colour dialog stayed open"
ok_answered "box 1 edited"
assert_eq "$(key 'Box 0' Name)/$(key 'Box 0' IPorURLAddress)/$(key 'Box 0' nMSGB)/$(key 'Box 0' CheckInterval)/$(key 'Box 0' IPv)" \
    "renamed/127.0.0.2/10/400/0" "the edited section"
assert_eq "$(key 'Box 0' BoxColorUp)" 32768 "the colour chosen in the colour dialog"
assert_eq "$(section 'Box 1'; section 'Box 2'; section main)" "$before" "the other sections"
# Box 1 restarted on its new address and shows its new Up colour.
wait_until 10 box_mostly 1 "0 128 0" edited

box_menu 2 8
wait_window "$DLG"
ok_answered "box 2 unchanged"
box_menu 3 7
DLG="Add Monitor"
wait_window "$DLG"
dlg set $IDC_MON_NAME added
dlg set $IDC_MON_ADDRESS 127.0.0.1
ok_answered "a monitor added"
assert_eq "$(key main NumBox)/$(key 'Box 3' Name)/$(key 'Box 3' CheckMethod)" "4/added/1" "the monitor added by OK"
close_window "$TITLE" "$pid"
pass

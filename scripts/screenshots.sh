#!/usr/bin/env bash
# Saves pictures of every window of Orvalen into docs/screenshots/: the strip in a row and
# a column with every status, the box menu and its submenus, and every dialog, each cropped
# to its window. Runs on a private Xvfb screen with a private Wine prefix, in a network
# namespace with only loopback (as scripts/test.sh does); no display is needed.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
OUT="${SCREENSHOT_DIR:-$ROOT/docs/screenshots}"

source "$ROOT/scripts/lib/helpers.sh"

outside_loopback_namespace && bash "$ROOT/scripts/build.sh" Orvalen orvdriver resource_ids
enter_loopback_namespace "$@"
# A prefix of its own: a test run may be using the tests' prefix meanwhile.
export WINEPREFIX_OVERRIDE="${WINEPREFIX_OVERRIDE:-$BUILD_DIR/wineprefix-shots}"
source "$ROOT/scripts/wine-session.sh"
start_xvfb
start_wine
export ORVALEN_BIN="$BUILD_DIR/bin" ORVALEN_BUILD="$BUILD_DIR" ORVALEN_SRC="$ROOT"
source "$ROOT/tests/e2e/lib.sh"
trap 'end_started; session_cleanup' EXIT
mkdir -p "$OUT"

# crop NAME X Y W H: the part of the screen as docs/screenshots/NAME.png.
crop() {
    import -window root "$E2E_DIR/screen.png"
    convert "$E2E_DIR/screen.png" -crop "${4}x${5}+${2}+${3}" +repage -strip "$OUT/$1.png"
    echo "$OUT/$1.png"
}
# shot NAME TITLE: the window with this title, once it is drawn.
shot() {
    wait_window "$2"
    sleep 0.8
    crop "$1" $(drv rect "$2")
}
# menu_shot NAME: every open popup menu in one picture, transparent around them.
menu_shot() {
    sleep 0.6
    local rects l t w h draw=()
    rects="$(drv menu-rects)"
    [ -n "$rects" ] || fail "no menu open for $1"
    read -r l t w h <<<"$(awk 'NR == 1 {l = $1; t = $2; r = $1 + $3; b = $2 + $4}
        {if ($1 < l) l = $1; if ($2 < t) t = $2; if ($1 + $3 > r) r = $1 + $3; if ($2 + $4 > b) b = $2 + $4}
        END {print l, t, r - l, b - t}' <<<"$rects")"
    while read -r x y mw mh; do
        draw+=(-draw "rectangle $((x - l)),$((y - t)) $((x - l + mw - 1)),$((y - t + mh - 1))")
    done <<<"$rects"
    import -window root "$E2E_DIR/screen.png"
    convert "$E2E_DIR/screen.png" -crop "${w}x${h}+${l}+${t}" +repage \
        \( -size "${w}x${h}" xc:black -fill white "${draw[@]}" \) -alpha off -compose CopyOpacity -composite \
        -strip "$OUT/$1.png"
    echo "$OUT/$1.png"
}
dismiss_menu() {
    xdotool key Escape Escape Escape
    drv wait-menu 5000 closed >/dev/null || true
    sleep 0.3
}
# box_menu BOX KEYS...: a real right click on box BOX (1-based) of the strip, then keys.
box_menu() {
    xdotool mousemove $(box_point "$1" 55 44) click 3
    drv wait-menu 10000 >/dev/null || fail "no box menu"
    shift
    [ $# -eq 0 ] || xdotool key --delay 120 "$@"
}
close_dialog() { drv close "$1" >/dev/null || true; drv wait-gone "$1" 5000 >/dev/null || true; }

start_fixture python3 "$ROOT/tests/fixtures/delayed_page_server.py"
CLOSED_PORT="$(free_port)"
start_fixture python3 -c '
import socket, sys, time
s = socket.socket(); s.bind(("127.0.0.1", 0)); s.listen(8)
print("OPEN_PORT=%d" % s.getsockname()[1]); print("READY"); sys.stdout.flush()
time.sleep(3600)'

# One box per status: Up, Down, Error, IP Error, Checking (a page that answers after an
# hour), Open and Closed (real loopback ports), Disabled.
appdata="$(new_appdata)"
boxes() {
    ini_section "Box 0" "Name=*Up*" IPorURLAddress=127.0.0.1 CheckInterval=3600
    ini_section "Box 1" "Name=*Down*" IPorURLAddress=127.0.0.1 CheckInterval=3600
    ini_section "Box 2" "Name=*ERROR*" IPorURLAddress=127.0.0.1 CheckInterval=3600
    ini_section "Box 3" "Name=*IP ERROR*" IPorURLAddress=127.0.0.1 CheckInterval=3600
    ini_section "Box 4" "Name=Intranet" CheckMethod=3 "IPorURLAddress=http://127.0.0.1:$DELAY_HTTP4/delay/3600000" \
        Phrase=orvalen-phrase CheckInterval=3600
    ini_section "Box 5" "Name=Mail server" CheckMethod=2 IPorURLAddress=127.0.0.1 "Port=$OPEN_PORT" CheckInterval=3600
    ini_section "Box 6" "Name=Old server" CheckMethod=2 IPorURLAddress=127.0.0.1 "Port=$CLOSED_PORT" CheckInterval=3600
    ini_section "Box 7" "Name=Printer" IPorURLAddress=10.0.0.9 Disabled=1
}
{
    ini_section main FirstStart=0 WinBeh=1 NumBox=8 PosX=10 PosY=80 WinPos=1 EnableLog=0 TimeOut=3600000
    boxes
} | write_main_ini "$appdata"
{
    printf '[Main]\nnrows=3\n'
    printf '[Row 0]\nCaption=Remote shell\nApplication=ssh.exe\nParameters=admin@%%ip\n'
    printf '[Row 1]\nCaption=Port scan\nApplication=nmap.exe\nParameters=-p %%port %%ip\n'
    printf '[Row 2]\nCaption=Wake up\nApplication=wol.exe\nParameters=%%ip\n'
} | sed 's/$/\r/' >"$(data_folder "$appdata")/MenuConf.ini"

start_strip "$appdata"
sleep 3
crop strip-row "$STRIP_X" "$STRIP_Y" "$STRIP_W" "$STRIP_H"

# The box menu and each of its submenus (Right opens one with its first item selected).
box_menu 1
menu_shot box-menu
dismiss_menu
for sub in 1:tools 2:custom 3:move; do
    box_menu 1 $(printf 'Down %.0s' $(seq 1 "${sub%%:*}")) Right
    menu_shot "box-menu-${sub#*:}"
    dismiss_menu
done

# The monitor dialog: Add with each method, then Edit of a Ping, a URL and a TCP box.
box_menu 1 Down Down Down Down Down Down Down Return
for m in $IDC_MON_PING:ping $IDC_MON_TCP:tcp $IDC_MON_URL:url; do
    wait_window "Add Monitor"
    drv ctl-click "Add Monitor" "${m%%:*}" >/dev/null
    shot "monitor-add-${m#*:}" "Add Monitor"
done
close_dialog "Add Monitor"
for b in 1:ping 5:url 6:tcp; do
    box_menu "${b%%:*}" Down Down Down Down Down Down Down Down Return
    shot "monitor-edit-${b#*:}" "Edit Monitor"
    [ "${b#*:}" = ping ] || { close_dialog "Edit Monitor"; continue; }
    # Its sub-dialogs: the three notification settings and Add Skin.
    for sub in "$IDC_MON_SOUND_SETTINGS:sound-settings:Play Sound Notification Settings" \
        "$IDC_MON_MSGBOX_SETTINGS:msgbox-settings:Message Box Notification Settings " \
        "$IDC_MON_EXEC_SETTINGS:file-settings:File Notification Settings" "$IDC_MON_ADD_SKIN:add-skin:Add Skin"; do
        IFS=: read -r id name title <<<"$sub"
        drv ctl-click "Edit Monitor" "$id" >/dev/null
        drv wait-window "$title" 3000 >/dev/null || continue
        shot "$name" "$title"
        close_dialog "$title"
    done
    close_dialog "Edit Monitor"
done

# Send Net Message (Tools, 7th) and its settings.
box_menu 1 Down Right Down Down Down Down Down Down Return
drv ctl-set "Send Net Message" $IDC_NETMSG_MESSAGE "The backup starts at 22:00." >/dev/null
shot net-message "Send Net Message"
drv ctl-click "Send Net Message" $IDC_NETMSG_SETTINGS >/dev/null
shot net-message-settings "Send Net Message Settings"
close_dialog "Send Net Message Settings"
close_dialog "Send Net Message"

# The user menu editor (Custom, Customize after the three commands) and its item dialog.
box_menu 1 Down Down Right Down Down Down Return
shot user-menu "Customize Menu Items"
drv ctl-focus "Customize Menu Items" $IDC_MENU_LIST >/dev/null
xdotool key Home
drv ctl-click "Customize Menu Items" $IDC_MENU_EDIT >/dev/null
shot user-menu-item "Add/Edit Menu Item"
close_dialog "Add/Edit Menu Item"
close_dialog "Customize Menu Items"

# The tray menu: Wine's tray window holds the icon at the screen's top left.
for _ in 1 2 3; do
    xdotool mousemove 12 32 sleep 0.3 click 3
    if drv wait-menu 2000 >/dev/null; then
        menu_shot tray-menu
        dismiss_menu
        break
    fi
done

# Options and About, as the tray menu opens them.
drv command "$TITLE" $ID_TRAY_OPTIONS >/dev/null
shot options "Options"
close_dialog "Options"
drv command "$TITLE" $ID_TRAY_ABOUT >/dev/null
shot about "About"
close_dialog "About"
close_window "$TITLE" "$LAST_PID"

# The same boxes in a column.
{
    ini_section main FirstStart=0 WinBeh=1 NumBox=8 PosX=10 PosY=80 WinPos=0 EnableLog=0 TimeOut=3600000
    boxes
} | write_main_ini "$appdata"
start_strip "$appdata"
sleep 3
crop strip-column "$STRIP_X" "$STRIP_Y" "$STRIP_W" "$STRIP_H"
# The column's box menu offers Move Up and Move Down (third item, on the second box).
STRIP_ROW=0
box_menu 2 Down Down Down Right
menu_shot box-menu-move-column
dismiss_menu
close_window "$TITLE" "$LAST_PID"
echo "pictures in $OUT"

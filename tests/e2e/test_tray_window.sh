#!/usr/bin/env bash
# The tray menu and the strip window as a user drives them. One start: the tray icon's
# menu with the z-order mode marked and an item chosen on it; each tray command posted
# as the menu does and the key it writes; Logs and Help and Support; the tray icon and
# the background zone while settings dialogs are open (Options showing one error sound
# of the two stored); all monitors disabled and enabled at once; the notification
# switches in every section and in a running monitor;
# the grip strip's turn, background and empty places; moves in the column; a drag that
# snaps; Quit while minimised. Another start: a strip that lives at the bottom starts
# there and inactive and, without a taskbar button, leaves the screen in the background;
# a second start whose running instance hangs ends by itself, the close zone ends
# without saving.
source "$(dirname "$0")/lib.sh"

appdata="$(new_appdata)"
ini="$(data_folder "$appdata")/MainConfAID1.ini"
cp "$ORVALEN_BIN/argrecorder.exe" "$E2E_DIR/rec.exe"
cp "$ORVALEN_BIN/argrecorder.exe" "$E2E_DIR/opener.exe"
mkdir -p "$E2E_DIR/logs"
# Folders open in a recorder while this test runs.
FOLDER_KEY='HKLM\Software\Classes\Folder\shell\open\command'
wine reg export "$FOLDER_KEY" "$(winpath "$E2E_DIR/folder.reg")" >/dev/null 2>&1 || true
trap 'wine reg delete "$FOLDER_KEY" /f >/dev/null 2>&1 || true
[ ! -s "$E2E_DIR/folder.reg" ] || wine reg import "$(winpath "$E2E_DIR/folder.reg")" >/dev/null 2>&1 || true
end_started' EXIT
wine reg add "$FOLDER_KEY" /ve /d "\"$(winpath "$E2E_DIR/opener.exe")\" \"%1\"" /f >/dev/null 2>&1
write_main_ini "$appdata" <<INI
[main]
FirstStart=0
PosX=200
PosY=300
WinBeh=1
WinPos=1
NumBox=4
HideTaskBarButton=0
CustomSoundError=1
TextSpeechSoundError=1
EnableLog=0
LogDir=$(winpath "$E2E_DIR/logs")\\
[Box 0]
Name=*Up*
BoxColorUp=0x0000C000
Sound=1
[Box 1]
Name=*Up*
BoxColorUp=0x0000C000
Disabled=1
MsgBox=1
[Box 2]
Name=*Up*
Disabled=2
Sound=1
[Box 3]
Name=*RAND*
CheckInterval=1
ExecFileCheck=1
nEF=0
ExecFileStatusCheck=31
ExecFilePath=$(winpath "$E2E_DIR/rec.exe")
INI
start_orvalen "$appdata"
pid=$LAST_PID
wait_window "$TITLE"
read -r x y w h <<<"$(drv rect "$TITLE")"
assert_eq "$x $y $w $h" "200 300 452 92" "strip at start"
# A point of box n (from 1) below its text lines.
box_pixel_x() { STRIP_X=$x STRIP_Y=$y box_point "$1" 3 | cut -d' ' -f1; }

# --- The tray menu: the current mode marked, an item chosen -----------------------------
# The icon is the first one in Wine's tray window at the top left of the screen. The
# menu opens left of the click, so it is pushed against the screen's left edge; the
# mode items are the 3rd to 5th rows (Always Top, Normal, Always Bottom).
# The desktop is black where the menu is not. A click that comes while the icon's tip
# is being shown can be lost: it is tried again.
menu_drawn() { [ "$(pixel "$(screenshot menu_probe)" 60 97)" != "0 0 0" ]; }
open_tray_menu() {
    local i
    for i in 1 2 3; do
        xdotool mousemove 12 32 sleep 0.3 click 3
        drv wait-menu 2000 >/dev/null || continue
        wait_until 5 menu_drawn
        # Keys reach the menu through the strip's X window: the click gave the keyboard to
        # no window of the program.
        xdotool search --name "^$TITLE\$" windowfocus 2>/dev/null || true
        return 0
    done
    fail "the tray menu did not open"
}
# Escape, or else a click on the empty desktop, closes the menu.
close_tray_menu() {
    xdotool key Escape
    drv wait-menu 2000 closed >/dev/null || xdotool mousemove 700 10 click 1
    drv wait-menu 5000 closed >/dev/null || fail "the tray menu stayed open"
}
# The mark of mode m (0 Always Top, 1 Normal, 2 Always Bottom) is drawn at (9, 89 + 17 m);
# the menu's ground is the menu colour.
expect_marked_mode() {
    local shot="$1" marked="$2" mode ground colour
    ground="$(pixel "$shot" 60 97)"
    for mode in 0 1 2; do
        colour="$(pixel "$shot" 9 $((89 + 17 * mode)))"
        if [ "$mode" == "$marked" ]; then
            [ "$colour" != "$ground" ] || fail "mode $mode not marked on the tray menu ($shot)"
        else
            assert_eq "$colour" "$ground" "tray menu: unmarked mode $mode"
        fi
    done
}
open_tray_menu
shot="$(screenshot menu_normal)"
echo "screenshot: $shot"
expect_marked_mode "$shot" 1
# Down selects About, then Help and Support, then Always Top. Keys that reach the menu
# before it takes the keyboard are lost: the menu is then opened and the item chosen again.
for attempt in 1 2 3; do
    [ "$attempt" = 1 ] || { drv wait-menu 1000 closed >/dev/null || close_tray_menu; open_tray_menu; }
    xdotool key --delay 120 Down Down Down Return
    for _ in $(seq 1 12); do
        [ "$(ini_get "$ini" main WinBeh)" == 0 ] && break 2
        sleep 0.25
    done
done
wait_ini "$ini" main WinBeh 0
open_tray_menu
shot="$(screenshot menu_top)"
echo "screenshot: $shot"
expect_marked_mode "$shot" 0
close_tray_menu

# --- Tray commands as the menu posts them, and the key each writes -----------------------
for row in "$ID_TRAY_ALWAYS_BOTTOM 2" "$ID_TRAY_ALWAYS_TOP 0" "$ID_TRAY_NORMAL 1"; do
    read -r command mode <<<"$row"
    drv command "$TITLE" "$command" >/dev/null
    wait_ini "$ini" main WinBeh "$mode"
    [ "$mode" != 2 ] || { open_tray_menu; expect_marked_mode "$(screenshot menu_bottom)" 2; close_tray_menu; }
done
# Reset Position: the middle of the desktop.
read -r screen_w screen_h <<<"$(xdotool getdisplaygeometry)"
drv command "$TITLE" $ID_TRAY_RESET_POSITION >/dev/null
wait_ini "$ini" main PosX $((screen_w / 2))
assert_eq "$(ini_get "$ini" main PosY)" $((screen_h / 2)) "PosY after Reset Position"
read -r x y w h <<<"$(drv rect "$TITLE")"
assert_eq "$x $y" "$((screen_w / 2)) $((screen_h / 2))" "strip after Reset Position"

# --- Logs opens the log folder; Help and Support the help ---------------------------------
drv command "$TITLE" $ID_TRAY_LOGS >/dev/null
wait_until 10 test -s "$E2E_DIR/opener.exe.log"
assert_eq "$(tr -d '\r' <"$E2E_DIR/opener.exe.log")" "\"$(winpath "$E2E_DIR/logs")\\\"" "folder opened by Logs"
drv command "$TITLE" $ID_TRAY_HELP >/dev/null
wait_window "Orvalen Help"
drv close "Orvalen Help" >/dev/null

# --- Open dialogs: the tray icon raises them, the background zone does nothing ----------
# (the icon's messages as the tray window sends them: the left button down, the right
# button up with the cursor position).
UM_TRAY_NOTIFY=0x401 WM_LBUTTONDOWN=513 WM_RBUTTONUP=517 TRAY_ICON=$IDR_TRAY_MENU  # the icon has the id of its menu
tray() { drv send "$TITLE" $UM_TRAY_NOTIFY "$1" "$2"; }
left_click() { tray $TRAY_ICON $WM_LBUTTONDOWN; }
right_click() { tray $(( (32 << 16) | 12 )) $WM_RBUTTONUP; }
foreground() { drv state "$1" | sed -n 's/.*foreground=//p'; }
drv command "$TITLE" $ID_TRAY_OPTIONS >/dev/null
wait_window Options
# Both error sounds stored: Options opens with the spoken one only.
assert_eq "$(for id in $IDC_OPT_CUSTOM_SOUND $IDC_OPT_SPEECH $IDC_OPT_CUSTOM_SOUND_PATH $IDC_OPT_SPEECH_TEXT; do drv ctl-state Options $id | cut -d' ' -f1-2; done | tr '\n' ' ')" \
    "enabled=1 checked=0 enabled=1 checked=1 enabled=0 checked=0 enabled=1 checked=0 " \
    "error sound at opening"
drv command "$TITLE" $ID_TRAY_ABOUT >/dev/null
wait_window About
drv minimize Options
drv minimize About
assert_eq "$(left_click)" "1" "left click"
(( $(drv zorder About) < $(drv zorder Options) )) || fail "About not above Options after a left click"
assert_eq "$(drv state Options | cut -d' ' -f1)$(foreground About)" "iconic=01" "dialogs after a left click"
drv ctl-click About $IDOK >/dev/null
drv wait-gone About 5000 >/dev/null || fail "About still open"
assert_eq "$(right_click)$(foreground Options)" "01" "right click with Options open"
drv menu-rects | grep -q . && fail "a menu opened with Options open"
xdotool mousemove $((x + 3)) $((y + 9)) click 1
wait_handled
[[ "$(drv state "$TITLE")" == "iconic=0 visible=1"* ]] || fail "background with Options open: $(drv state "$TITLE")"
drv ctl-click Options $IDCANCEL >/dev/null
drv wait-gone Options 5000 >/dev/null || fail "Options still open"
# The user menu editor is raised by a right click only (Custom > Customize, on box 1).
strip_menu "$(box_pixel_x 1)" $((y + 40)) Down Down Right Return
wait_window "Customize Menu Items"
left_click >/dev/null
assert_eq "$(foreground "Customize Menu Items")$(foreground "$TITLE")" "01" "left click with the editor open"
assert_eq "$(right_click)$(foreground "Customize Menu Items")" "01" "right click with the editor open"
drv ctl-click "Customize Menu Items" $IDCANCEL >/dev/null
drv wait-gone "Customize Menu Items" 5000 >/dev/null || fail "the editor still open"

# --- The notification switches reach the running monitor and every section -----------
# The "*RAND*" monitor runs the recorder at each change of status; after "Files" it
# runs it no more.
runs_at_least() { (($(cat "$E2E_DIR/rec.exe.log" 2>/dev/null | wc -l) >= $1)); }
wait_until 20 runs_at_least 2
[ "$(cat "$E2E_DIR/rec.exe.log" 2>/dev/null | wc -l)" -ge 2 ] || fail "the execute-file monitor ran nothing"
for row in "$ID_TRAY_DISABLE_FILES ExecFileCheck" "$ID_TRAY_DISABLE_SOUNDS Sound" "$ID_TRAY_DISABLE_MSGBOXES MsgBox"; do
    read -r command key <<<"$row"
    drv command "$TITLE" "$command" >/dev/null
    wait_ini "$ini" "Box 3" "$key" 0
    assert_eq "$(ini_boxes "$ini" "$key" 4)" "0 0 0 0" "$key in every section"
done
recorder_gone() { ! unix_pid_of "$(winpath "$E2E_DIR/rec.exe")" >/dev/null; }
wait_until 10 recorder_gone  # a run started before the switch has ended
runs="$(wc -l <"$E2E_DIR/rec.exe.log")"
sleep 5  # time itself: no run in the next checks (every second)
assert_eq "$(wc -l <"$E2E_DIR/rec.exe.log")" "$runs" "programs run after Disable Notif. > Files"

# --- All monitors disabled and enabled: only Disabled 0, and only 1, change --------------
drv command "$TITLE" $ID_TRAY_DISABLE_ALL_MON >/dev/null
wait_ini "$ini" "Box 0" Disabled 1
assert_eq "$(ini_boxes "$ini" Disabled 4)" "1 1 2 1" "Disabled after Disable all Mon."
shot="$(wait_pixel "$(box_pixel_x 1)" $((y + 61)) "255 255 255" disabled_all)"
expect_pixel "$shot" "$(box_pixel_x 1)" $((y + 61)) "255 255 255" "box 1 disabled"
drv command "$TITLE" $ID_TRAY_ENABLE_ALL_MON >/dev/null
wait_ini "$ini" "Box 0" Disabled 0
assert_eq "$(ini_boxes "$ini" Disabled 4)" "0 0 2 0" "Disabled after Enable all Mon."
shot="$(wait_pixel "$(box_pixel_x 2)" $((y + 61)) "0 192 0" enabled_all)"
expect_pixel "$shot" "$(box_pixel_x 1)" $((y + 61)) "0 192 0" "box 1 up again"
expect_pixel "$shot" "$(box_pixel_x 2)" $((y + 61)) "0 192 0" "box 2 enabled and up"
expect_pixel "$shot" "$(box_pixel_x 3)" $((y + 61)) "255 255 255" "box 3 (Disabled 2) left alone"

# --- The grip strip ----------------------------------------------------------------------
click_at() {
    xdotool mousemove "$1" "$2" click 1
    wait_handled
}
# Row: (3, 12) and (3, 6) are in no zone; (3, 15) turns the strip into a column.
click_at $((x + 3)) $((y + 12))
click_at $((x + 3)) $((y + 6))
read -r _ _ w h <<<"$(drv rect "$TITLE")"
assert_eq "$w x $h" "452 x 92" "row after clicks outside the zones"
click_at $((x + 3)) $((y + 15))
wait_until 5 output_like "* 112 372" drv rect "$TITLE"
read -r _ _ w h <<<"$(drv rect "$TITLE")"
assert_eq "$w x $h" "112 x 372" "column after the turn"
assert_eq "$(ini_get "$ini" main WinPos)" "0" "WinPos after the turn"
# In the column the box menu finds its box from y: Move Up on box 3, Move Down back.
strip_menu $((x + 40)) $((y + 230)) Down Down Down Right Return
wait_until 5 output_is "0 2 0 0" ini_boxes "$ini" Disabled 4
strip_menu $((x + 40)) $((y + 130)) Down Down Down Right Down Return
wait_until 5 output_is "0 0 2 0" ini_boxes "$ini" Disabled 4
# Column: (18, 3) is in no zone; (15, 3) turns it back into a row.
click_at $((x + 18)) $((y + 3))
click_at $((x + 15)) $((y + 3))
wait_until 5 output_like "* 452 92" drv rect "$TITLE"
read -r _ _ w h <<<"$(drv rect "$TITLE")"
assert_eq "$w x $h" "452 x 92" "row after the column's turn"
assert_eq "$(ini_get "$ini" main WinPos)" "1" "WinPos after the column's turn"
# Background: minimised; "Show" brings it back.
click_at $((x + 3)) $((y + 9))
wait_until 5 output_like "iconic=1 visible=1*" drv state "$TITLE"
[[ "$(drv state "$TITLE")" == "iconic=1 visible=1"* ]] || fail "not in the background: $(drv state "$TITLE")"
drv command "$TITLE" $ID_TRAY_SHOW >/dev/null
wait_until 5 output_like "iconic=0 visible=1*" drv state "$TITLE"
[[ "$(drv state "$TITLE")" == "iconic=0 visible=1"* ]] || fail "not shown again: $(drv state "$TITLE")"

# --- A drag towards the work area's right edge ends flush with it --------------------------
read -r _ work_top work_right _ <<<"$(drv workarea)"
read -r x y w h <<<"$(drv rect "$TITLE")"
dx=$((work_right - 6 - w - x))
dy=$((work_top + 200 - y))
xdotool mousemove $((x + 3)) $((y + 40)) mousedown 1
for step in 1 2 3 4; do
    xdotool mousemove $((x + 3 + dx * step / 4)) $((y + 40 + dy * step / 4))
    sleep 0.2  # a drag as a hand makes it: moves apart in time
done
xdotool mouseup 1
wait_until 5 output_like "$((work_right - w)) $((work_top + 200)) *" drv rect "$TITLE"
read -r x y _ _ <<<"$(drv rect "$TITLE")"
assert_eq "$x $y" "$((work_right - w)) $((work_top + 200))" "strip dropped 6 pixels from the right edge"
wait_ini "$ini" main PosX "$x"
assert_eq "$(ini_get "$ini" main PosX) $(ini_get "$ini" main PosY)" "$x $y" "PosX PosY after the drag"

# --- Quit while minimised writes the restored corner and ends the program ---------------
drv command "$TITLE" $ID_TRAY_RESET_POSITION >/dev/null
wait_until 5 output_like "$((screen_w / 2)) $((screen_h / 2)) *" drv rect "$TITLE"
drv minimize "$TITLE" >/dev/null
drv command "$TITLE" $ID_TRAY_QUIT >/dev/null
wait_exit "$pid"
assert_eq "$(ini_get "$ini" main PosX) $(ini_get "$ini" main PosY)" "$((screen_w / 2)) $((screen_h / 2))" \
    "PosX PosY after Quit while minimised"

# --- Always at the bottom from the start; a hung instance; the close zone ----------------
write_main_ini "$appdata" MainConfBID1.ini <<'INI'
[main]
FirstStart=0
PosX=700
PosY=300
WinBeh=1
NumBox=1
EnableLog=0
INI
write_main_ini "$appdata" <<'INI'
[main]
FirstStart=0
PosX=250
PosY=320
WinBeh=2
NumBox=1
EnableLog=0
HideTaskBarButton=1
INI
start_orvalen "$appdata" /secondary
other=$LAST_PID
wait_window "Orvalen II"
start_orvalen "$appdata"
pid=$LAST_PID
wait_window "$TITLE"
wait_handled  # started, and had its chance to take the focus
[[ "$(drv state "$TITLE")" == *"foreground=0" ]] || fail "the bottom strip took the focus at start"
(( $(drv zorder "$TITLE") > $(drv zorder "Orvalen II") )) || fail "the bottom strip started above another window"

# A second start meets the running instance hung: it hands over within a few seconds
# and ends.
drv suspend "$pid" >/dev/null
start_orvalen "$appdata"
second=$LAST_PID
wait_exit "$second" 15000
drv resume "$pid" >/dev/null

# Without a taskbar button the background zone takes the window off the screen; a
# left click on the tray icon brings it back.
read -r x y _ _ <<<"$(drv rect "$TITLE")"
xdotool mousemove $((x + 3)) $((y + 9)) click 1
wait_until 5 output_like "iconic=1 visible=0*" drv state "$TITLE"
left_click >/dev/null
[[ "$(drv state "$TITLE")" == "iconic=0 visible=1"* ]] || fail "not back after a left click: $(drv state "$TITLE")"

# The close zone ends the program without saving the position.
xdotool mousemove $((x + 3)) $((y + 3)) click 1
wait_exit "$pid"
assert_eq "$(ini_get "$ini" main PosX)" "250" "PosX after the close zone"
drv close "Orvalen II" >/dev/null
wait_exit "$other"

pass

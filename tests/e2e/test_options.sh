#!/usr/bin/env bash
# The Options dialog and the About box of instance 2, opened from the tray commands:
# the start-up box follows the Run value (letter case aside) and writes or deletes it;
# the width balloon and clamp; the parameters typed no longer than the file keeps; a
# 150 x 100 box size and a longer time-out applied resize the strip (answering at once),
# write the 20 option keys in their order and govern the next check of a running
# monitor; Default, the volume and Cancel write nothing; Mute, the logs folder chooser
# and OK; the About box shows the program file's version and its home page link opens
# the page with that version.
source "$(dirname "$0")/lib.sh"

STRIP_TITLE="Orvalen III"
OPTIONS="Options"
RUN_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
EXE="$(winpath "$ORVALEN_BIN/Orvalen.exe")"
APPLY=$IDC_OPT_APPLY DEFAULT=$IDC_DEFAULT DBLCLICK_PARAMS=$IDC_OPT_DBLCLICK_PARAMS WIDTH=$IDC_OPT_WIDTH HEIGHT=$IDC_OPT_HEIGHT
TIMEOUT=$IDC_OPT_TIMEOUT STARTUP=$IDC_OPT_RUN_AT_STARTUP MUTE=$IDC_OPT_MUTE VOLUME=$IDC_OPT_VOLUME VERSION=$IDC_ABOUT_VERSION
VK_UP=0x26 VK_HOME=0x24

# Wine starts whatever the Run key lists: the value never outlives the test. Web pages
# open in a recorder while it runs.
run_value() { wine reg query "$RUN_KEY" /v "$STRIP_TITLE" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$STRIP_TITLE *//p"; }
WEB_KEY='HKLM\Software\Classes\https\shell\open\command'
wine reg export "$WEB_KEY" "$(winpath "$E2E_DIR/web.reg")" >/dev/null 2>&1 || true
trap 'wine reg delete "$RUN_KEY" /v "$STRIP_TITLE" /f >/dev/null 2>&1 || true
wine reg delete "$WEB_KEY" /f >/dev/null 2>&1 || true
[ ! -s "$E2E_DIR/web.reg" ] || wine reg import "$(winpath "$E2E_DIR/web.reg")" >/dev/null 2>&1 || true
end_started' EXIT
cp "$ORVALEN_BIN/argrecorder.exe" "$E2E_DIR/opener.exe"
wine reg add "$WEB_KEY" /ve /d "\"$(winpath "$E2E_DIR/opener.exe")\" \"%1\"" /f >/dev/null 2>&1
state() { drv ctl-state "$OPTIONS" "$1"; }
text() { drv ctl-get "$1" "$2"; }
main_keys() { ini_keys "$ini" main; }

start_fixture python3 "$ORVALEN_SRC/tests/fixtures/netcheck_server.py"
appdata="$(new_appdata)"
ini="$(data_folder "$appdata")/MainConfCID1.ini"
# No option key in the file: applying appends all 20 in their writing order.
{
    ini_section main FirstStart=0 PosX=40 PosY=600 WinPos=1 WinBeh=1 NumBox=1
    ini_section "Box 0" Name=Silent CheckMethod=3 "IPorURLAddress=http://127.0.0.1:$NETFIX_SILENT4/" CheckInterval=1
} | write_main_ini "$appdata" MainConfCID1.ini
# A value that differs from this instance's only in letter case.
wine reg add "$RUN_KEY" /v "$STRIP_TITLE" /t REG_SZ /d "\"${EXE^^}\" /TERTIARY" /f >/dev/null 2>&1
start_strip "$appdata" /tertiary
pid=$LAST_PID
read -r width0 height0 <<<"$(drv client "$STRIP_TITLE")"

drv command "$STRIP_TITLE" $ID_TRAY_OPTIONS >/dev/null
wait_window "$OPTIONS"
assert_eq "$(state $STARTUP)" "enabled=1 checked=1 visible=1" "start-up box for a value differing in case"

# Typing past the range shows the range; leaving the edit clamps.
drv ctl-focus "$OPTIONS" $WIDTH
drv ctl-set "$OPTIONS" $WIDTH 250
drv tips "$STRIP_TITLE" | grep -qx "60 to 200" || fail "no range balloon at 250: $(drv tips "$STRIP_TITLE")"
screenshot options-balloon >/dev/null
drv ctl-leave "$OPTIONS" $WIDTH
assert_eq "$(text "$OPTIONS" $WIDTH)" "200" "width 250 after leaving the edit"

# 150 x 100 and, 500 ms per arrow key, 3000 -> 7000 ms.
drv ctl-set "$OPTIONS" $WIDTH 150
drv ctl-set "$OPTIONS" $HEIGHT 100
for _ in 1 2 3 4 5 6 7 8; do drv ctl-key "$OPTIONS" $TIMEOUT $VK_UP; done
assert_eq "$(text "$OPTIONS" $TIMEOUT)" "7000" "time-out after eight steps up"
# The double-click command's parameters typed past what the file keeps stop at 255.
drv ctl-set "$OPTIONS" $DBLCLICK_PARAMS "" >/dev/null
drv ctl-type "$OPTIONS" $DBLCLICK_PARAMS "$(printf 'p%.0s' $(seq 1 300))"
assert_eq "$(text "$OPTIONS" $DBLCLICK_PARAMS | tr -d '\n' | wc -c)" 255 "parameters typed 300 characters long"
# The strip answers at once after Apply.
answer_ms="$(drv ctl-press-answer "$OPTIONS" $APPLY "$STRIP_TITLE")" || fail "Apply"
applied_at="$(date +%s.%N)"  # once handled: a check started before it may connect later
[ "$answer_ms" -lt 100 ] || fail "the strip answered ${answer_ms} ms after Apply"
assert_eq "$(ini_get "$ini" main DCOBEFParameters | tr -d '\n' | wc -c)" 255 "length of the parameters saved"
assert_eq "$(run_value)" "REG_SZ    \"$EXE\" /tertiary" "Run value written by Apply"
read -r width1 height1 <<<"$(drv client "$STRIP_TITLE")"
assert_eq "$((width1 - width0)) $((height1 - height0))" "40 10" "strip growth for one box of 150 x 100"
assert_eq "$(main_keys | tr '\n' ' ')" \
    "FirstStart PosX PosY WinPos WinBeh NumBox App HideTaskBarButton CustomSoundError CustomSoundPathError DCOBEFE DCOBEFPath DCOBEFParameters XBox YBox TimeOut EnableLog ShowReplyTime ShowMethod ShowStatus ShowIPAddress TextSpeechSoundError TextSpeechTextError Volume LogFileType LogDir LogEveryCheck " \
    "option keys in the file"
assert_eq "$(ini_get "$ini" main XBox) $(ini_get "$ini" main YBox) $(ini_get "$ini" main TimeOut)" "150 100 7000" \
    "applied values in the file"

drv ctl-press "$OPTIONS" $STARTUP
drv ctl-press "$OPTIONS" $APPLY || fail "second Apply"
assert_eq "$(run_value)" "" "Run value after Apply with the box cleared"

# Neither Default nor Cancel writes anything: not the file, not the Run value.
saved="$(md5sum <"$ini")"
drv ctl-press "$OPTIONS" $DEFAULT
assert_eq "$(state $STARTUP)" "enabled=1 checked=1 visible=1" "start-up box after Default"
assert_eq "$(text "$OPTIONS" $WIDTH)" "110" "width after Default"
drv ctl-key "$OPTIONS" $VOLUME $VK_HOME
assert_eq "$(text "$OPTIONS" $MUTE)" "UnMute" "Mute button at volume 0"
screenshot options >/dev/null
drv ctl-click "$OPTIONS" $IDCANCEL
drv wait-gone "$OPTIONS" 5000 || fail "Options still open after Cancel"
assert_eq "$(md5sum <"$ini")" "$saved" "main file after Cancel"
assert_eq "$(run_value)" "" "Run value after Cancel"

# Mute and back; the logs folder from the chooser (its first choice, a real folder) with
# a backslash; OK applies and saves like Apply.
drv command "$STRIP_TITLE" $ID_TRAY_OPTIONS >/dev/null
wait_window "$OPTIONS"
for want in UnMute Mute; do
    drv ctl-press "$OPTIONS" $MUTE
    assert_eq "$(text "$OPTIONS" $MUTE)" "$want" "Mute button after a press"
done
drv ctl-click "$OPTIONS" $IDC_OPT_LOG_DIR_BROWSE
wait_window "Browse for Folder"
drv ctl-click "Browse for Folder" $IDOK
drv wait-gone "Browse for Folder" 5000 || fail "the folder chooser stayed open"
logdir="$(text "$OPTIONS" $IDC_OPT_LOG_DIR)"
[[ "$logdir" == *'\' && "$logdir" != *'\\' ]] || fail "logs folder from the chooser: $logdir"
drv ctl-set "$OPTIONS" $WIDTH 120
drv ctl-click "$OPTIONS" $IDOK
drv wait-gone "$OPTIONS" 5000 || fail "Options still open after OK"
wait_ini "$ini" main XBox 120
assert_eq "$(ini_get "$ini" main LogDir)" "$logdir" "LogDir after OK"
read -r width2 _ <<<"$(drv client "$STRIP_TITLE")"
assert_eq "$((width2 - width1))" "-30" "strip after OK with 120-pixel boxes"

# The check that began after Apply waited the new time-out on the silent listener
# (those before it gave up after 3 s).
held_after_apply() { awk -v t="$applied_at" '$1 == "HELD" && $2 > t' "$E2E_DIR/fixture-0.out" | grep -q .; }
wait_until 30 held_after_apply
read -r _ accepted closed <<<"$(awk -v t="$applied_at" '$1 == "HELD" && $2 > t' "$E2E_DIR/fixture-0.out" | head -1)"
[ -n "${closed:-}" ] || fail "no check after Apply reached the listener"
awk -v a="$accepted" -v c="$closed" 'BEGIN { exit !(c - a >= 6.5) }' || fail "check after Apply held $accepted..$closed"
read -r _ accepted closed <<<"$(grep -m1 '^HELD' "$E2E_DIR/fixture-0.out")"
awk -v a="$accepted" -v c="$closed" 'BEGIN { exit !(c - a < 5) }' || fail "first check held $accepted..$closed"

drv command "$STRIP_TITLE" $ID_TRAY_ABOUT >/dev/null
wait_window "About"
version="$(sed -n 's/^ *FILEVERSION *\([0-9]*\),\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1.\2.\3.\4/p' "$ORVALEN_SRC/res/Orvalen.rc")"
assert_eq "$(text About $VERSION)" "Version $version" "About box version line"
screenshot about >/dev/null
read -r lx ly _ lh <<<"$(drv ctl-rect About $IDC_ABOUT_HOME)"
xdotool mousemove $((lx + 120)) $((ly + lh / 2)) click 1   # on the link, after "Home Page: "
wait_until 10 test -s "$E2E_DIR/opener.exe.log"
[[ "$(tr -d '\r' <"$E2E_DIR/opener.exe.log")" == '"https://'*"?ver=$version\"" ]] ||
    fail "home page opened: $(cat "$E2E_DIR/opener.exe.log")"
drv ctl-click About $IDOK
drv wait-gone About 5000 || fail "About still open after OK"
close_window "$STRIP_TITLE" "$pid"
pass

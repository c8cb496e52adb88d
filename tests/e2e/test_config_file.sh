#!/usr/bin/env bash
# The tray menu's "Config File" commands through their file dialogs and questions, in one
# start: a backup copy without LogDir and with FirstStart 1; a file of the wrong identity
# refused and nothing changed, and so is a name of no file; an old-format file with three
# monitors converted and shown; a backup onto a file another process holds open and a
# reset of a main file held open tell why and change nothing; Reset after Yes leaves one
# default monitor and a new file. The tray stays silent while a dialog is up.
# "Disable Notif." > "All" writes its three keys everywhere. The dialogs' Apply messages
# posted from outside with no dialog open change nothing.
source "$(dirname "$0")/lib.sh"
UM_TRAY_NOTIFY=0x401 UM_OPTIONS_APPLIED=0x402 UM_MONITOR_APPLIED=0x403 WM_RBUTTONUP=517

appdata="$(new_appdata)"
ini="$(data_folder "$appdata")/MainConfAID1.ini"
write_main_ini "$appdata" <<'INI'
[main]
FirstStart=0
PosX=200
PosY=300
NumBox=2
EnableLog=0
LogDir=C:\somewhere\logs\
[Box 0]
Name=*Up*
Disabled=1
Sound=1
MsgBox=1
ExecFileCheck=1
[Box 1]
Name=*Down*
Sound=1
INI
start_orvalen "$appdata"
pid=$LAST_PID
wait_window "$TITLE"

# Fills in the file dialog titled $1 with the path $2 and presses its OK button.
choose_file() {
    wait_window "$1"
    drv ctl-set "$1" $FILE_NAME_BOX "$(winpath "$2")" >/dev/null || fail "no file name box in '$1'"
    drv ctl-click "$1" $IDOK >/dev/null
    drv wait-gone "$1" 10000 >/dev/null || fail "'$1' still open"
}

# --- "All" clears the three switches in every section, in this one start ---------------
drv command "$TITLE" $ID_TRAY_DISABLE_ALL_NOTIF >/dev/null
wait_ini "$ini" "Box 1" ExecFileCheck 0
for key in Sound MsgBox ExecFileCheck; do
    assert_eq "$(ini_boxes "$ini" "$key" 2)" "0 0" "$key after Disable Notif. > All"
done

# --- The dialogs' Apply messages posted by another program while no dialog is open -------
# They change nothing: no option written over the user's, no monitor saved or added, also
# after a box's menu was opened (and closed) so that a box is the one last clicked.
read -r STRIP_X STRIP_Y _ <<<"$(drv rect "$TITLE")"
xdotool mousemove $(box_point 1 50 40) click 3
drv wait-menu 10000 || fail "no box menu"
xdotool search --name "^$TITLE\$" windowfocus 2>/dev/null || true
xdotool key Escape
drv wait-menu 10000 closed || fail "the box menu stayed open"
before="$(md5sum <"$ini")"
strip="$(drv rect "$TITLE")"
drv post "$TITLE" $UM_OPTIONS_APPLIED 0 0 >/dev/null
drv post "$TITLE" $UM_MONITOR_APPLIED 0 0 >/dev/null
wait_handled
assert_eq "$(md5sum <"$ini")" "$before" "main file after posted Apply messages"
assert_eq "$(drv rect "$TITLE")" "$strip" "strip after posted Apply messages"

# --- Backup: a name without extension gets ".ini"; the copy acts as a first start -------
drv command "$TITLE" $ID_TRAY_CONFIG_BACKUP >/dev/null
wait_window "Save As"
# While a configuration-file dialog is up, the tray opens no menu.
assert_eq "$(drv send "$TITLE" $UM_TRAY_NOTIFY $(( (32 << 16) | 12 )) $WM_RBUTTONUP)" "0" "tray answer while Save As is up"
choose_file "Save As" "$E2E_DIR/backup"
backup="$E2E_DIR/backup.ini"
wait_handled  # the backup is written once its file is chosen
[ -f "$backup" ] || fail "no backup written"
assert_eq "$(ini_get "$backup" main LogDir)" "<none>" "LogDir in the backup"
assert_eq "$(ini_get "$backup" main FirstStart)" "1" "FirstStart in the backup"
assert_eq "$(ini_get "$backup" main App)" "Orvalen ID1" "App in the backup"
assert_eq "$(ini_get "$backup" "Box 1" Name)" "*Down*" "monitors in the backup"
assert_eq "$(ini_get "$ini" main LogDir)" 'C:\somewhere\logs\' "LogDir of the main file"
assert_eq "$(ini_get "$ini" main FirstStart)" "0" "FirstStart of the main file"

# --- Restore of a file of another identity: refused, nothing changed --------------------
before="$(md5sum <"$ini")"
printf '[main]\r\nApp=orvalen id1\r\nNumBox=1\r\n' >"$E2E_DIR/foreign.ini"
drv command "$TITLE" $ID_TRAY_CONFIG_RESTORE >/dev/null
choose_file "Open" "$E2E_DIR/foreign.ini"
assert_eq "$(drv msgbox Orvalen 10000)" "Restored Config File is not valid." "refusal message"
drv msgbox-press Orvalen $IDOK >/dev/null
drv wait-gone Orvalen 10000 >/dev/null
assert_eq "$(md5sum <"$ini")" "$before" "main file after a refused restore"
drv command "$TITLE" $ID_TRAY_CONFIG_RESTORE >/dev/null
choose_file "Open" "$E2E_DIR/missing.ini"
! drv msgbox Orvalen 1500 >/dev/null || fail "a message after restoring a missing file"
assert_eq "$(md5sum <"$ini")" "$before" "main file after restoring a missing file"

# --- Restore of an old-format file with three monitors ------------------------------------
printf '%s\r\n' '[main]' 'App=Bramblecast' 'FirstStart=0' 'PosX=100' 'PosY=200' 'NumBox=3' 'EnableLog=0' \
    '[Box 0]' 'Text=*Up*' 'BoxColorUp=0x0000C000' \
    '[Box 1]' 'Text=Router' 'VerifyMetod=2' 'IPAdress=127.0.0.9' 'Port=1' \
    '[Box 2]' 'VerifyMetod=1' >"$E2E_DIR/old.ini"
drv command "$TITLE" $ID_TRAY_CONFIG_RESTORE >/dev/null
choose_file "Open" "$E2E_DIR/old.ini"
wait_ini "$ini" main App "Orvalen ID1"
assert_eq "$(ini_boxes "$ini" Name 3)" "*Up* Router LOCAL" "names converted"
assert_eq "$(ini_boxes "$ini" CheckMethod 3)" "1 2 1" "methods converted"
assert_eq "$(ini_boxes "$ini" IPorURLAddress 3)" "127.0.0.1 127.0.0.9 127.0.0.1" "addresses converted"
assert_eq "$(ini_get "$ini" "Box 1" Text)" "Router" "old key kept"
read -r x y w h <<<"$(drv rect "$TITLE")"
assert_eq "$x $y $w $h" "100 200 341 92" "strip of the restored file"
# The converted "*Up*" monitor runs in the rebuilt strip.
shot="$(wait_pixel $((x + 11)) $((y + 61)) "0 192 0" restored)"
expect_pixel "$shot" $((x + 11)) $((y + 61)) "0 192 0" "restored box 1 up"

# --- A backup onto a file held open, and a reset of a main file held open ----------------
# hold FILE: another process keeps FILE open for reading only until "release".
hold() { start_fixture wine "$ORVALEN_BIN/orvdriver.exe" hold file "$(winpath "$1")" 120000; }
answer() {  # answer TEXT: the message box shows TEXT; OK closes it
    assert_eq "$(drv msgbox Orvalen 10000)" "$1" "message box"
    drv msgbox-press Orvalen $IDOK >/dev/null
    drv wait-gone Orvalen 10000 >/dev/null || fail "message box still open"
}
hold "$backup"
kept="$(md5sum <"$backup")"
drv command "$TITLE" $ID_TRAY_CONFIG_BACKUP >/dev/null
wait_window "Save As"
drv ctl-set "Save As" $FILE_NAME_BOX "$(winpath "$backup")" >/dev/null
drv ctl-click "Save As" $IDOK >/dev/null
drv msgbox Error 10000 >/dev/null || fail "no question before replacing the backup"  # Wine's title
drv msgbox-press Error $IDYES >/dev/null
answer "$(drv errtext 32 | sed 's/^\[//; s/ *\]$//')"
assert_eq "$(md5sum <"$backup")" "$kept" "backup held open"
drv release >/dev/null
hold "$ini"
kept="$(md5sum <"$ini")"
drv command "$TITLE" $ID_TRAY_CONFIG_RESET >/dev/null
assert_eq "$(drv msgbox Orvalen 10000)" "Do you want to Reset Config File?" "reset question"
drv msgbox-press Orvalen $IDYES >/dev/null
wait_until 10 output_is "Can't delete MainConf?.ini file." drv msgbox Orvalen 0
answer "Can't delete MainConf?.ini file."
assert_eq "$(md5sum <"$ini")" "$kept" "main file held open"
assert_eq "$(drv rect "$TITLE" | cut -d' ' -f3-)" "341 92" "strip after a reset that could not delete"
drv release >/dev/null

# --- Reset: after Yes, one default monitor and a new file ---------------------------------
drv command "$TITLE" $ID_TRAY_CONFIG_RESET >/dev/null
assert_eq "$(drv msgbox Orvalen 10000)" "Do you want to Reset Config File?" "reset question"
drv msgbox-press Orvalen $IDNO >/dev/null
drv wait-gone Orvalen 10000 >/dev/null
wait_handled
assert_eq "$(ini_get "$ini" main NumBox)" "3" "NumBox after answering No"
drv command "$TITLE" $ID_TRAY_CONFIG_RESET >/dev/null
drv msgbox Orvalen 10000 >/dev/null
drv msgbox-press Orvalen $IDYES >/dev/null
wait_ini "$ini" main App "Orvalen ID1"
wait_until 5 output_like "* 119 92" drv rect "$TITLE"
assert_eq "$(drv rect "$TITLE" | cut -d' ' -f3-)" "119 92" "strip of one default monitor after Reset"
assert_eq "$(ini_get "$ini" "Box 0" Name)" "<none>" "no monitor section left from before"

drv command "$TITLE" $ID_TRAY_QUIT >/dev/null
wait_exit "$pid"
pass

#!/usr/bin/env bash
# The monitor dialog's pictures, preview, skins and sound settings, driven from outside
# through the box menu's Edit Mon.: a file that is no icon, chosen under the default
# picture's name, leaves that picture's bytes alone; a skin whose picture name climbs out
# of Pictures ("..\..\") shows no picture and "-Gs->" writes nothing outside Pictures;
# an .ico chosen in the file dialog is copied into Pictures and shows in the Up preview,
# and chosen again from Pictures is taken with no message box; "-Gs->" writes its grey
# copy, which the Down preview shows; Add Skin "Night" writes its six keys in order, and
# into a skins folder that cannot be written it says so and shows no new skin; a skin
# file that cannot be deleted is reported and stays; Add Skin asks before replacing a
# skin and refuses a predefined one; the sound and message-box settings' Default shows
# the default texts (the sound settings keep a sound file typed meanwhile) and Cancel
# keeps the monitor's; a TCP monitor's sound settings open with the Ping/URL rows
# disabled, a slot stored with both switches set opens with speech only and OK saves it so.
source "$(dirname "$0")/lib.sh"
DLG="Edit Monitor"

appdata="$(new_appdata)"
data="$(data_folder "$appdata")"
ini="$data/MainConfAID1.ini"
{
    printf '[main]\nFirstStart=0\nPosX=40\nPosY=600\nWinPos=1\nNumBox=1\n'
    ini_section "Box 0" Name=web CheckMethod=2 IPorURLAddress=127.0.0.1 "Port=$(free_port)" Disabled=1 \
        BoxColorUp=0x0000C800 BoxColorDown=0x00C80000 CustomSoundCheck=4 TextSpeechCheck=4 \
        "TextSpeechStringOpen=my open" "MsgBoxDesc=my desc"
} | write_main_ini "$appdata"
ORVALEN_SRC="$ORVALEN_SRC" python3 - "$appdata" <<'PY'
import os, sys
sys.path.insert(0, os.path.join(os.environ["ORVALEN_SRC"], "scripts", "resgen"))
from formats import ico_bytes
for path, colour in (("abc.ico", (224, 16, 16, 255)), ("Carrowmede/evil.ico", (16, 16, 224, 255))):
    open(os.path.join(sys.argv[1], path), "wb").write(ico_bytes([[[colour] * 64 for _ in range(64)]]))
PY
mkdir -p "$appdata/outside" "$data/Skins"
echo "no icon inside" >"$appdata/outside/1274607096_Desktop.ico"
# A shared skin file edited by hand: its Up picture would be Carrowmede\evil.ico (blue).
printf '[skin]\r\nPicFileUp=..\\..\\evil.ico\r\nBoxColorUp=51200\r\nBoxColorDown=13107200\r\n' >"$data/Skins/Aaa.ini"
start_strip "$appdata"

# Edit Mon. on the box.
xdotool mousemove $(box_point 1 4 30) click 3
drv wait-menu 10000 >/dev/null || fail "no box menu"
xdotool key --delay 120 Down Down Down Down Down Down Down Down Return
wait_window "$DLG"
read -r wx wy ww wh <<<"$(drv rect "$DLG")"
read -r cw ch <<<"$(drv client "$DLG")"
border=$(((ww - cw) / 2))
ox=$((wx + border)) oy=$((wy + wh - ch - border))   # the client area's origin on the screen

# choose_up_picture PATH: the Up picture's button, then PATH in the file dialog.
choose_up_picture() {
    drv ctl-click "$DLG" $IDC_MON_ICON_UP >/dev/null
    wait_window Open
    drv ctl-set Open $FILE_NAME_BOX "$(winpath "$1")" >/dev/null
    drv ctl-click Open $IDOK >/dev/null
    drv wait-gone Open 5000 >/dev/null || fail "the file dialog stayed open"
}
# no_message WHAT: no message box of the program shows up within a second.
no_message() {
    local texts
    if texts="$(drv msgbox Orvalen 1000)"; then
        drv msgbox-press Orvalen $IDOK >/dev/null
        fail "$1: a message box shows '$texts'"
    fi
}

# A refused file chosen under the default picture's name: the default picture stays.
default_pic="$data/Pictures/1274607096_Desktop.ico"
[ -s "$default_pic" ] || fail "no default picture in Pictures"
cp "$default_pic" "$appdata/default.before"
choose_up_picture "$appdata/outside/1274607096_Desktop.ico"
no_message "a file that is no icon"
cmp -s "$default_pic" "$appdata/default.before" || fail "a refused file replaced the default picture"

# The skin "Aaa" (first in the list) names "..\..\evil.ico": only evil.ico in Pictures
# counts, which is missing, so no picture shows and "-Gs->" writes nothing anywhere.
drv ctl-key "$DLG" $IDC_MON_SKIN 0x73 >/dev/null   # F4 drops the list down (it is read afresh)
drv ctl-key "$DLG" $IDC_MON_SKIN 0x28 >/dev/null   # Down: the first skin
drv ctl-key "$DLG" $IDC_MON_SKIN 0x0D >/dev/null   # Return closes the list on it
assert_eq "$(drv ctl-get "$DLG" $IDC_MON_SKIN)" "Aaa" "skin chosen from the list"
drv ctl-press "$DLG" $IDC_MON_GRAY_COPY >/dev/null  # -Gs->, handled when it returns
shot="$(screenshot climbing-skin)"
expect_pixel "$shot" $((ox + 59)) $((oy + 67)) "0 200 0" "Up box of a skin whose picture is outside Pictures"
assert_eq "$(cd "$appdata" && find . -name '*_GSC.ico')" "" "grey copies written by -Gs-> of that skin"

# The Up picture: the chosen file is copied and drawn in the middle of the Up box.
choose_up_picture "$appdata/abc.ico"
wait_handled "$DLG"
[ -s "$data/Pictures/abc.ico" ] || fail "the chosen icon was not copied into Pictures"
assert_eq "$(drv ctl-get "$DLG" $IDC_MON_SKIN)" "Custom" "skin after choosing a picture"
shot="$(screenshot picture)"
expect_pixel "$shot" $((ox + 59)) $((oy + 67)) "224 16 16" "Up picture"
expect_pixel "$shot" $((ox + 44)) $((oy + 67)) "0 200 0" "Up box beside the picture"

# The same picture chosen where it lives, in Pictures: taken as it is, silently.
choose_up_picture "$data/Pictures/abc.ico"
no_message "a picture chosen from Pictures"
cmp -s "$data/Pictures/abc.ico" "$appdata/abc.ico" || fail "the picture in Pictures changed"
expect_pixel "$(screenshot picture-again)" $((ox + 59)) $((oy + 67)) "224 16 16" "Up picture taken from Pictures"

# -Gs->: the grey copy is written and shown as the Down picture.
drv ctl-click "$DLG" $IDC_MON_GRAY_COPY >/dev/null
wait_handled "$DLG"
[ -s "$data/Pictures/abc_GSC.ico" ] || fail "-Gs-> wrote no abc_GSC.ico"
shot="$(screenshot grey)"
read -r r g b <<<"$(pixel "$shot" $((ox + 149)) $((oy + 67)))"
[ "$r" = "$g" ] && [ "$g" = "$b" ] && [ "$r" -gt 0 ] || fail "Down picture not grey: $r $g $b"

# Add Skin "Night": the six keys in their order.
drv ctl-click "$DLG" $IDC_MON_ADD_SKIN >/dev/null
wait_window "Add Skin"
drv ctl-set "Add Skin" $IDC_SKIN_NAME "Night" >/dev/null
drv ctl-click "Add Skin" $IDOK >/dev/null
drv wait-gone "Add Skin" 5000 >/dev/null || fail "Add Skin stayed open"
wait_handled "$DLG"
assert_eq "$(tr -d '\0\r\377\376' <"$data/Skins/Night.ini" | tr '\n' ' ')" \
    "[skin] PicFileUp=abc.ico PicFileDown=abc_GSC.ico BoxColorUp=51200 BoxColorDown=13107200 TextColorUp=0 TextColorDown=16777215 " \
    "Night.ini"
assert_eq "$(drv ctl-get "$DLG" $IDC_MON_SKIN)" "Night" "skin after Add Skin"

# Add Skin where the skins folder cannot be written (a file stands in its place).
mv "$data/Skins" "$data/Skins.kept"
: >"$data/Skins"
drv ctl-click "$DLG" $IDC_MON_ADD_SKIN >/dev/null
wait_window "Add Skin"
drv ctl-set "Add Skin" $IDC_SKIN_NAME "Locked" >/dev/null
drv ctl-click "Add Skin" $IDOK >/dev/null
drv wait-gone "Add Skin" 5000 >/dev/null || fail "Add Skin stayed open"
texts="$(drv msgbox Orvalen 5000)" || fail "no message after Add Skin into an unwritable folder"
drv msgbox-press Orvalen $IDOK >/dev/null
[ -n "$texts" ] || fail "the failed Add Skin shows an empty message"
assert_eq "$(drv ctl-get "$DLG" $IDC_MON_SKIN)" "Night" "skin shown after a failed Add Skin"
rm "$data/Skins"
mv "$data/Skins.kept" "$data/Skins"

# Delete of a skin file that cannot be deleted (read-only): reported, the skin stays.
chmod a-w "$data/Skins/Night.ini"
drv ctl-click "$DLG" $IDC_MON_DELETE_SKIN >/dev/null
drv msgbox Orvalen 5000 >/dev/null || fail "no question before Delete"
drv msgbox-press Orvalen $IDYES >/dev/null
texts="$(drv msgbox Orvalen 5000)" || fail "no message after a failed Delete"
drv msgbox-press Orvalen $IDOK >/dev/null
[ -n "$texts" ] && [ "${texts#Do you want}" == "$texts" ] || fail "the failed Delete shows '$texts'"
[ -f "$data/Skins/Night.ini" ] || fail "Night.ini went although Delete reported a failure"
assert_eq "$(drv ctl-get "$DLG" $IDC_MON_SKIN)" "Night" "skin shown after a failed Delete"
chmod u+w "$data/Skins/Night.ini"

# Over an existing skin: No keeps the file, Yes writes it; a predefined one is refused.
add_skin() {  # add_skin NAME TEXT BUTTON: the question or refusal shows TEXT, BUTTON answers
    drv ctl-click "$DLG" $IDC_MON_ADD_SKIN >/dev/null
    wait_window "Add Skin"
    drv ctl-set "Add Skin" $IDC_SKIN_NAME "$1" >/dev/null
    drv ctl-click "Add Skin" $IDOK >/dev/null
    assert_eq "$(drv msgbox Orvalen 5000)" "$2" "Add Skin $1"
    drv msgbox-press Orvalen "$3" >/dev/null
    drv wait-gone Orvalen 5000 >/dev/null || fail "message box still open"
}
printf '[skin]\r\nBoxColorUp=1\r\n' >"$data/Skins/Night.ini"
add_skin Night "Overwrite existing Skin?" $IDNO
assert_eq "$(ini_get "$data/Skins/Night.ini" skin BoxColorUp)" "1" "Night after No"
add_skin Night "Overwrite existing Skin?" $IDYES
wait_until 5 output_is 51200 ini_get "$data/Skins/Night.ini" skin BoxColorUp
printf '[skin]\r\nPredefined=2\r\nBoxColorUp=5\r\n' >"$data/Skins/Fixed.ini"
add_skin Fixed "Is impossible overwrite predefined skin." $IDOK
assert_eq "$(ini_get "$data/Skins/Fixed.ini" skin BoxColorUp)|$(drv ctl-get "$DLG" $IDC_MON_SKIN)" "5|Night" \
    "predefined skin"

# Default shows the default texts; Cancel keeps the monitor's.
MSGS="Message Box Notification Settings "
drv ctl-click "$DLG" $IDC_MON_MSGBOX_SETTINGS >/dev/null
wait_window "$MSGS"
drv ctl-click "$MSGS" $IDC_MSGS_DEFAULT >/dev/null
assert_eq "$(drv ctl-get "$MSGS" $IDC_MSGS_DESCRIPTION)" "%name is %status" "description after Default"
drv ctl-click "$MSGS" $IDCANCEL >/dev/null
drv wait-gone "$MSGS" 5000 >/dev/null || fail "message-box settings stayed open"

# Sound settings of a TCP monitor. Default gives the texts back; a sound file typed and
# its switch set since the dialog opened stay.
SND="Play Sound Notification Settings"
drv ctl-click "$DLG" $IDC_MON_SOUND_SETTINGS >/dev/null
wait_window "$SND"
drv ctl-set "$SND" $IDC_SND_OPEN_TEXT "typed" >/dev/null
drv ctl-click "$SND" $IDC_SND_CLOSED_CUSTOM >/dev/null
drv ctl-set "$SND" $IDC_SND_CLOSED_WAV 'C:\typed.wav' >/dev/null
drv ctl-click "$SND" $IDC_SND_DEFAULT >/dev/null
assert_eq "$(drv ctl-get "$SND" $IDC_SND_OPEN_TEXT)|$(drv ctl-get "$SND" $IDC_SND_SNF_TEXT)" \
    "%name is Open|%name is SnF" "texts after Default"
assert_eq "$(drv ctl-get "$SND" $IDC_SND_CLOSED_WAV)|$(drv ctl-state "$SND" $IDC_SND_CLOSED_CUSTOM)" \
    'C:\typed.wav|enabled=1 checked=1 visible=1' "Closed sound file and switch after Default"
drv ctl-click "$SND" $IDCANCEL >/dev/null
drv wait-gone "$SND" 5000 >/dev/null || fail "sound settings stayed open"
drv ctl-click "$DLG" $IDC_MON_SOUND_SETTINGS >/dev/null
wait_window "$SND"
assert_eq "$(drv ctl-get "$SND" $IDC_SND_OPEN_TEXT)" "my open" "Open text after Default and Cancel"
for id in $IDC_SND_UP_CUSTOM $IDC_SND_DOWN_SPEAK $IDC_SND_SNF_CUSTOM $IDC_SND_UP_TEXT; do
    assert_eq "$(drv ctl-state "$SND" $id | cut -d' ' -f1)" "enabled=0" "Ping/URL/S.n.F. control $id"
done
assert_eq "$(drv ctl-state "$SND" $IDC_SND_OPEN_CUSTOM)" "enabled=1 checked=0 visible=1" "Open Custom Sound"
assert_eq "$(drv ctl-state "$SND" $IDC_SND_OPEN_SPEAK)" "enabled=1 checked=1 visible=1" "Open Text To Speech"
drv ctl-click "$SND" $IDOK >/dev/null
drv wait-gone "$SND" 5000 >/dev/null || fail "sound settings stayed open"

# OK saves the monitor with its pictures and the slot's speech switch only.
drv ctl-click "$DLG" $IDOK >/dev/null
drv wait-gone "$DLG" 5000 >/dev/null || fail "the monitor dialog stayed open"
wait_handled
section="$(ini_lines "$ini" "Box 0")"
for pair in PicFileUp=abc.ico PicFileDown=abc_GSC.ico CustomSoundCheck=0 TextSpeechCheck=4 \
    "TextSpeechStringOpen=my open" "MsgBoxDesc=my desc"; do
    grep -qx "$pair" <<<"$section" || fail "Box 0 lacks $pair"
done
close_window "$TITLE" "$LAST_PID"
pass

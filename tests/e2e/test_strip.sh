#!/usr/bin/env bash
# The strip as the screen shows it: five instances at once, each a strip of its own: frame,
# grip and separators of a row and a column; box colours and text colours by status;
# pictures fitted to the pixel in the large, small and line-less layouts (also a
# monochrome one); texts centred or left-aligned and cut by their width; CHECKING until
# the first result; URL pages Up though their headers trickle past the time-out, or with
# a time-out of -1; the taskbar button switch; check reports sent from outside (taken
# for boxes in range, dropped beyond, whatever their lParam holds); Enter and Esc ignored.
source "$(dirname "$0")/lib.sh"
MAGENTA="255 0 255" GREEN="0 192 0" WHITE="255 255 255" BLACK="0 0 0"

start_fixture python3 "$ORVALEN_SRC/tests/fixtures/netcheck_server.py"
appdata="$(new_appdata)"
# Pictures of one colour all over, so that their edges can be found: a 64 x 64 colour
# icon and a 32 x 32 monochrome one (its mask is twice as high).
python3 - "$(data_folder "$appdata")/Pictures" "$ORVALEN_SRC/scripts" <<'PY'
import os, struct, sys
folder = sys.argv[1]
os.makedirs(folder)
sys.path.insert(0, sys.argv[2])
from resgen import formats
open(folder + "/solid.ico", "wb").write(formats.ico_bytes([[[(255, 0, 255, 255)] * 64 for _ in range(64)]]))
rows = 32 * 4  # 32 rows of 4 bytes, for the picture and again for the mask
image = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, rows * 2, 0, 0, 2, 0) + struct.pack("<II", 0, 0xFFFFFF)
image += b"\x00" * rows * 2  # black, all opaque
header = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 32, 32, 2, 0, 1, 1, len(image), 22)
open(folder + "/mono.ico", "wb").write(header + image)
PY
# main FILE KEY=VALUE...: section "main" of an instance's file, placed where no other strip is.
main() { ini_section main FirstStart=0 WinBeh=0 "$@"; }
up_box() { ini_section "Box $1" Name=*Up* PicFileUp=solid.ico BoxColorUp=0x0000C000 CheckInterval=3600 "${@:2}"; }
W50="W$(printf ' %.0s' $(seq 1 50))W"
# Instance 0, a row of 7 in the large layout with all four lines.
{
    main PosX=20 PosY=200 WinPos=1 NumBox=7 XBox=110 YBox=90 HideTaskBarButton=0 ShowReplyTime=1
    up_box 0 IPorURLAddress=a-very-long-host-name.example.test TextColorUp=0x000000FF
    ini_section "Box 1" Name=*Down* IPorURLAddress=::1 IPv=1 PicFileDown=mono.ico BoxColorDown=0x00FF0000 \
        TextColorDown=0x00FFFFFF BoxColorUp=0x0000C000 CheckInterval=3600
    ini_section "Box 2" "Name=$W50" "IPorURLAddress=$W50" Disabled=1
    ini_section "Box 3" Name=ab Disabled=1
    ini_section "Box 4" Name=*Up* IPorURLAddress=::1 BoxColorUp=0x0000C000 TextColorUp=0x000000FF CheckInterval=3600
    ini_section "Box 5" Name=*Down* CheckMethod=2 Port=8080 BoxColorUp=0x0000C000 CheckInterval=3600
    ini_section "Box 6" Name=*ERROR* CheckMethod=3 IPorURLAddress=http://127.0.0.1/ CheckInterval=3600
} | write_main_ini "$appdata" MainConfAID1.ini
{ main PosX=1000 PosY=100 WinPos=0 NumBox=3; up_box 0; up_box 1; up_box 2; } | write_main_ini "$appdata" MainConfBID1.ini
# url_box N PATH: a URL monitor of the network fixture's page at PATH, green when Up.
url_box() {
    ini_section "Box $1" Name=page CheckMethod=3 "IPorURLAddress=http://127.0.0.1:$NETFIX_HTTP4$2" \
        Phrase=orvalen-phrase BoxColorUp=0x0000C000 CheckInterval=3600
}
# Instance 2's time-out reads as 4294967295: every bound saturates, so a page that answers
# after a second is Up. Instance 3's page sends its headers a byte every 50 ms for about
# 4 s, beyond its time-out of 1.5 s: a fetch that keeps receiving is not cut, so it is Up.
{ main PosX=20 PosY=400 NumBox=2 YBox=89 ShowReplyTime=1 TimeOut=-1; up_box 0; url_box 1 /late; } |
    write_main_ini "$appdata" MainConfCID1.ini
{
    main PosX=200 PosY=500 NumBox=2 HideTaskBarButton=1 ShowReplyTime=0 ShowIPAddress=0 ShowMethod=0 ShowStatus=0 \
        TimeOut=1500
    up_box 0
    url_box 1 /headertrickle
} | write_main_ini "$appdata" MainConfDID1.ini
{
    main PosX=500 PosY=400 NumBox=1 TimeOut=6000
    ini_section "Box 0" "Name=full queue" CheckMethod=2 IPorURLAddress=127.0.0.1 "Port=$NETFIX_FULL4" \
        BoxColorDown=0x00FF0000 CheckInterval=60
} | write_main_ini "$appdata" MainConfEID1.ini

TITLES=("Orvalen " "Orvalen II" "Orvalen III" "Orvalen IV" "Orvalen V") SWITCHES=("" /secondary /tertiary /quaternary /quinary)
WIN=() PID=()
for n in 0 1 2 3 4; do
    STRIP_TITLE="${TITLES[$n]}" start_strip "$appdata" ${SWITCHES[$n]}
    WIN[$n]="$STRIP_X $STRIP_Y $STRIP_W $STRIP_H"
    PID[$n]=$LAST_PID
done
# Its connect waits out the 6-second time-out: meanwhile the box is white.
read -r x4 y4 _ <<<"${WIN[4]}"
shot="$(wait_pixel $((x4 + 11)) $((y4 + 61)) "$WHITE" checking)"
assert_eq "$(pixel "$shot" $((x4 + 11)) $((y4 + 61)))" "$WHITE" "box while its first check runs"
assert_eq "${WIN[0]}" "20 200 785 92" "row of seven: position and size"
assert_eq "${WIN[1]}" "1000 100 112 281" "column of three: position and size"
assert_eq "${WIN[2]}" "20 400 230 91" "two boxes of 110 x 89"

# at INSTANCE BOX DX DY: the screen point (DX, DY) of a box (from 1) of the strip.
at() {
    local STRIP_X STRIP_Y STRIP_ROW=1
    read -r STRIP_X STRIP_Y _ _ <<<"${WIN[$1]}"
    [ "$1" != 1 ] || STRIP_ROW=0  # instance 1 is the column
    box_point "$2" "$3" "$4"
}
px() { pixel "$shot" $(at "$@"); }
colour_in() {  # INSTANCE BOX DX DY W H COLOUR: how many pixels of the colour in that part of the box
    local p
    p=($(at "$1" "$2" "$3" "$4"))
    count_colour "$shot" "${p[0]}" "${p[1]}" "$5" "$6" "$7"
}
# picture INSTANCE BOX LEFT TOP RIGHT BOTTOM COLOUR WHAT (right and bottom exclusive):
# every edge pixel has the colour, the pixels just outside do not.
picture() {
    local i="$1" n="$2" l="$3" t="$4" r="$5" b="$6" c="$7" what="$8" mx=$((($3 + $5) / 2)) my=$((($4 + $6) / 2))
    for p in "$l $my" "$((r - 1)) $my" "$mx $t" "$mx $((b - 1))"; do
        assert_eq "$(px "$i" "$n" $p)" "$c" "$what: edge at $p"
    done
    for p in "$((l - 1)) $my" "$r $my" "$mx $((t - 1))" "$mx $b"; do
        [ "$(px "$i" "$n" $p)" != "$c" ] || fail "$what: drawn beyond its edge at $p"
    done
}

for page in "2 page answering after 1 s, time-out -1" "3 page whose headers trickle past the time-out"; do
    shot="$(wait_pixel $(at "${page%% *}" 2 3 60) "$GREEN" page)"
    assert_eq "$(px "${page%% *}" 2 3 60)" "$GREEN" "Up: ${page#* }"
done
shot="$(wait_pixel $(at 4 1 3 60) "0 0 255" shown)"
echo "screenshot: $shot"
# Box backgrounds by status and colour settings: INSTANCE BOX COLOUR WHAT.
while read -r i n r g b what; do
    assert_eq "$(px "$i" "$n" 3 60)" "$r $g $b" "$what"
done <<ROWS
0 1 0 192 0 *Up* box (BoxColorUp)
0 2 0 0 255 *Down* box (BoxColorDown)
0 3 255 255 255 disabled box
0 6 121 121 121 *Down* box in the default BoxColorDown
0 7 255 255 255 *ERROR* box
1 1 0 192 0 column box 1
1 3 0 192 0 column box 3
4 1 0 0 255 box after its first result (Down)
ROWS
# Frame, grip and separators of the row and the column: X Y COLOUR WHAT, from the window's corner.
while read -r i dx dy r g b what; do
    read -r x y w h <<<"${WIN[$i]}"
    [ "$dx" -ge 0 ] || dx=$((w + dx))
    [ "$dy" -ge 0 ] || dy=$((h + dy))
    expect_pixel "$shot" $((x + dx)) $((y + dy)) "$r $g $b" "$what"
done <<ROWS
0 0 61 0 0 0 left frame
0 -1 61 0 0 0 right frame
0 60 0 0 0 0 top frame
0 60 -1 0 0 0 bottom frame
0 7 61 0 0 0 grip separator
0 118 61 0 0 0 separator after box 1
0 1 60 192 192 192 grip ground
0 3 60 128 128 128 grip line
1 40 7 0 0 0 column grip separator
1 40 98 0 0 0 separator after column box 1
1 60 1 192 192 192 column grip ground
1 60 3 128 128 128 column grip line
1 -1 150 0 0 0 column right frame
1 50 -1 0 0 0 column bottom frame
ROWS
# A 64 x 64 picture under four lines of a 110 x 90 box: 23 x 23 at (44, 49); a
# monochrome 32 x 32 one is square too: fitted the same, not stretched. With no lines it
# reaches from y 1 to the name band, larger than its file; in the small layout (name
# band 14, picture top 41) it is 34 x 34 at (38, 41).
picture 0 1 44 49 67 72 "$MAGENTA" "Up picture under four lines"
picture 0 2 44 49 67 72 "$BLACK" "monochrome Down picture"
picture 3 1 20 1 91 72 "$MAGENTA" "Up picture with no lines"
picture 2 1 38 41 72 75 "$MAGENTA" "Up picture in the small layout"
# Texts in the monitor's text colour by status; black on white for a caption status.
(($(colour_in 0 1 0 0 110 90 "255 0 0") > 0)) || fail "Up box text not in TextColorUp"
(($(colour_in 0 2 0 0 110 90 "$WHITE") > 0)) || fail "Down box text not in TextColorDown"
(($(colour_in 0 4 0 72 110 18 "$BLACK") > 0)) || fail "disabled box name not black"
# Too wide: left-aligned and cut, so of "W", many blanks and "W" only the first "W" shows,
# at the left edge (centred, only blanks would show). Fits: centred, nothing near the
# left edge. The address lies in rows 0..10, the name band in rows 72..89.
(($(colour_in 0 3 0 0 3 11 "$BLACK") > 0)) || fail "long address not left-aligned"
assert_eq "$(colour_in 0 3 16 0 94 11 "$BLACK")" "0" "long address not cut"
assert_eq "$(colour_in 0 5 0 0 40 11 "255 0 0")" "0" "short address not centred"
(($(colour_in 0 3 0 72 3 18 "$BLACK") > 0)) || fail "long name not left-aligned"
assert_eq "$(colour_in 0 3 20 72 90 18 "$BLACK")" "0" "long name not cut"
assert_eq "$(colour_in 0 4 0 72 40 18 "$BLACK")" "0" "short name not centred"
assert_eq "$(px 0 3 110 80)" "$BLACK" "separator after the long name"

# The taskbar button: an application window, not a tool window, or the reverse.
((($(drv exstyle "Orvalen ") & 0x40080) == 0x40000)) || fail "taskbar button not on"
((($(drv exstyle "Orvalen IV") & 0x40080) == 0x80)) || fail "taskbar button not off"

# Check reports from outside, without a result attached (UM_CHECK_RESULT 0x404, Up is 2
# in the high word): dropped for index 65535, the number of boxes and beyond, whatever
# their lParam holds; taken for boxes in range, where a disabled box stays disabled.
report_up() { assert_eq "$(drv send "$TITLE" 0x404 $(((2 << 16) | $1)) "$2")" "0" "result of a report for $1"; }
for index in 65535 7 69; do report_up "$index" 1; done
[ "$(drv send "$TITLE" 0x40D 0 0)" -gt 0 ] || fail "no answer to UM_GET_MAIN_DLG after the dropped reports"
for index in 1 2 5; do report_up "$index" 0; done
shot="$(wait_pixel $(at 0 6 3 60) "$GREEN" reported)"
while read -r n r g b what; do assert_eq "$(px 0 "$n" 3 60)" "$r $g $b" "$what"; done <<ROWS
2 0 192 0 *Down* box reported Up
3 255 255 255 disabled box reported Up
6 0 192 0 *Down* box of the default colours reported Up
7 255 255 255 box without a report
ROWS

# Enter and Esc (and the commands they give) leave the window open.
for key in 13 27; do drv key "$TITLE" $key >/dev/null; done
for id in $IDOK $IDCANCEL; do drv command "$TITLE" $id >/dev/null; done
wait_handled
[[ "$(drv state "$TITLE")" == "iconic=0 visible=1"* ]] || fail "window hidden after Enter and Esc"
for n in 0 1 2 3 4; do close_window "${TITLES[$n]}" "${PID[$n]}"; done
pass

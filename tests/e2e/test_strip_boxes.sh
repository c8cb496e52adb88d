#!/usr/bin/env bash
# What one box shows, read from the screen: pictures fitted to the pixel in the large
# and the small layout (also a monochrome picture), texts centred or left-aligned by
# their width, text colours by status, CHECKING until the first result, and the
# taskbar button switch.
source "$(dirname "$0")/lib.sh"

TITLE="Orvalen "
MAGENTA="255 0 255"

# Pictures with one colour all over, so that their edges can be found on screen: a
# 64 x 64 colour icon and a 32 x 32 monochrome one (its mask is twice as high).
write_test_pictures() {
    local folder="$1"
    mkdir -p "$folder"
    python3 - "$folder" "$ORVALEN_SRC/scripts" <<'PY'
import struct, sys
folder, scripts = sys.argv[1], sys.argv[2]
sys.path.insert(0, scripts)
from resgen import formats
with open(folder + "/solid.ico", "wb") as f:
    f.write(formats.ico_bytes([[[(255, 0, 255, 255)] * 64 for _ in range(64)]]))
rows = 32 * 4  # 32 rows of 4 bytes, for the picture and again for the mask
bih = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, rows * 2, 0, 0, 2, 0)
palette = struct.pack("<II", 0x000000, 0xFFFFFF)
image = bih + palette + b"\x00" * rows + b"\x00" * rows  # black, all opaque
with open(folder + "/mono.ico", "wb") as f:
    f.write(struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 32, 32, 2, 0, 1, 1, len(image), 22) + image)
PY
}

# How many pixels of the colour "r g b" lie in the rectangle (x, y, width, height).
count_colour() {
    local shot="$1" x="$2" y="$3" w="$4" h="$5" r g b
    read -r r g b <<<"$6"
    convert "$shot" -crop "${w}x${h}+${x}+${y}" +repage txt:- |
        grep -ci "$(printf '#%02X%02X%02X' "$r" "$g" "$b")\b" || true
}

# The screen position of a point of box n (from 1) in a row of boxes XBOX wide.
XBOX=110
at_x() { echo $((x + ($1 - 1) * (XBOX + 1) + 8 + $2)); }
at_y() { echo $((y + 1 + $1)); }
box_pixel() { pixel "$shot" "$(at_x "$1" "$2")" "$(at_y "$3")"; }

# Edges of a picture drawn at box (left, top)-(right, bottom), right and bottom
# exclusive, in colour $5, on box $1: every edge pixel has the colour, the pixels
# just outside do not.
expect_picture() {
    local n="$1" left="$2" top="$3" right="$4" bottom="$5" colour="$6" what="$7"
    local mx=$(((left + right) / 2)) my=$(((top + bottom) / 2))
    assert_eq "$(box_pixel "$n" "$left" "$my")" "$colour" "$what: left edge"
    assert_eq "$(box_pixel "$n" $((right - 1)) "$my")" "$colour" "$what: right edge"
    assert_eq "$(box_pixel "$n" "$mx" "$top")" "$colour" "$what: top edge"
    assert_eq "$(box_pixel "$n" "$mx" $((bottom - 1)))" "$colour" "$what: bottom edge"
    [ "$(box_pixel "$n" $((left - 1)) "$my")" != "$colour" ] || fail "$what: drawn left of $left"
    [ "$(box_pixel "$n" "$right" "$my")" != "$colour" ] || fail "$what: drawn right of $right"
    [ "$(box_pixel "$n" "$mx" $((top - 1)))" != "$colour" ] || fail "$what: drawn above $top"
    [ "$(box_pixel "$n" "$mx" "$bottom")" != "$colour" ] || fail "$what: drawn below $bottom"
}

# A fresh data folder with the test pictures and a main file placed at (20, 200): the
# rest of section "main" and the boxes come from stdin. Prints the folder.
prepare_strip() {
    local appdata
    appdata="$(new_appdata "$1")"
    write_test_pictures "$(data_folder "$appdata")/Pictures"
    { printf '[main]\nFirstStart=0\nPosX=20\nPosY=200\nWinBeh=0\n'; cat; } | write_main_ini "$appdata"
    echo "$appdata"
}

# One "*Up*" box showing the magenta picture on green.
SOLID_UP_BOX='[Box 0]
Name=*Up*
PicFileUp=solid.ico
BoxColorUp=0x0000C000
CheckInterval=1'

# The extended style has WS_EX_APPWINDOW and not WS_EX_TOOLWINDOW (on), or the reverse.
expect_taskbar_button() {
    local exstyle
    exstyle="$(drv exstyle "$TITLE")"
    if [ "$1" == on ]; then
        ((exstyle & 0x40000)) && ! ((exstyle & 0x80)) || fail "taskbar button on, style $exstyle"
    else
        ((exstyle & 0x80)) && ! ((exstyle & 0x40000)) || fail "taskbar button off, style $exstyle"
    fi
}

start_strip() {
    start_orvalen "$1"
    pid=$LAST_PID
    wait_window "$TITLE"
    read -r x y w h <<<"$(drv rect "$TITLE")"
}

close_strip() {
    drv close "$TITLE" >/dev/null
    wait_exit "$pid"
}

# --- Large layout (YBox 90), all four lines on ---------------------------------------
appdata="$(prepare_strip large <<'INI'
WinPos=1
NumBox=5
XBox=110
YBox=90
HideTaskBarButton=0
ShowReplyTime=1
[Box 0]
Name=*Up*
IPorURLAddress=a-very-long-host-name.example.test
PicFileUp=solid.ico
BoxColorUp=0x0000C000
TextColorUp=0x000000FF
CheckInterval=1
[Box 1]
Name=*Down*
IPorURLAddress=::1
IPv=1
PicFileDown=mono.ico
BoxColorDown=0x00FF0000
TextColorDown=0x00FFFFFF
CheckInterval=1
[Box 2]
Name=W                                                  W
IPorURLAddress=W                                                  W
Disabled=1
[Box 3]
Name=ab
Disabled=1
[Box 4]
Name=*Up*
IPorURLAddress=::1
BoxColorUp=0x0000C000
TextColorUp=0x000000FF
CheckInterval=1
INI
)"
start_strip "$appdata"
shot="$(wait_pixel "$(at_x 2 3)" "$(at_y 60)" "0 0 255" large)"
echo "screenshot: $shot"

# A 64 x 64 picture under four lines of a 110 x 90 box: 23 x 23 at (44, 49).
expect_picture 1 44 49 67 72 "$MAGENTA" "Up picture under four lines"
# A monochrome 32 x 32 picture is square too: fitted the same, not stretched.
expect_picture 2 44 49 67 72 "0 0 0" "monochrome Down picture"

# Texts in the monitor's text colour by status; black on white for a caption status.
(($(count_colour "$shot" "$(at_x 1 0)" "$(at_y 0)" 110 90 "255 0 0") > 0)) || fail "Up box text not in TextColorUp"
(($(count_colour "$shot" "$(at_x 2 0)" "$(at_y 0)" 110 90 "255 255 255") > 0)) || fail "Down box text not in TextColorDown"
(($(count_colour "$shot" "$(at_x 4 0)" "$(at_y 72)" 110 18 "0 0 0") > 0)) || fail "disabled box name not black"

# Too wide: left-aligned and cut, so of "W", many blanks and "W" only the first "W"
# shows, at the left edge (centred, only blanks would show). Fits: centred, nothing
# near the left edge. Line 1 (the address) lies in rows 0..10, the name band in rows
# 72..89.
(($(count_colour "$shot" "$(at_x 3 0)" "$(at_y 0)" 3 11 "0 0 0") > 0)) || fail "long address not left-aligned"
assert_eq "$(count_colour "$shot" "$(at_x 3 16)" "$(at_y 0)" 94 11 "0 0 0")" "0" "long address not cut"
assert_eq "$(count_colour "$shot" "$(at_x 5 0)" "$(at_y 0)" 40 11 "255 0 0")" "0" "short address not centred"
(($(count_colour "$shot" "$(at_x 3 0)" "$(at_y 72)" 3 18 "0 0 0") > 0)) || fail "long name not left-aligned"
assert_eq "$(count_colour "$shot" "$(at_x 3 20)" "$(at_y 72)" 90 18 "0 0 0")" "0" "long name not cut"
assert_eq "$(count_colour "$shot" "$(at_x 4 0)" "$(at_y 72)" 40 18 "0 0 0")" "0" "short name not centred"
# A cut text stays inside its box: the separator after it is still there.
assert_eq "$(pixel "$shot" "$(at_x 3 110)" "$(at_y 80)")" "0 0 0" "separator after the long name"

# The taskbar button is on: an application window, not a tool window.
expect_taskbar_button on
close_strip

# --- No lines: the picture reaches from y 1 to the name band, larger than its file ---
appdata="$(prepare_strip nolines <<INI
NumBox=1
HideTaskBarButton=1
ShowReplyTime=0
ShowIPAddress=0
ShowMethod=0
ShowStatus=0
$SOLID_UP_BOX
INI
)"
start_strip "$appdata"
shot="$(wait_pixel "$(at_x 1 3)" "$(at_y 60)" "0 192 0" nolines)"
echo "screenshot: $shot"
expect_picture 1 20 1 91 72 "$MAGENTA" "Up picture with no lines"
# The taskbar button is off: a tool window.
expect_taskbar_button off
close_strip

# --- Small layout (YBox 89): name band 14, picture top 41 under four lines -----------
appdata="$(prepare_strip small <<INI
NumBox=1
YBox=89
ShowReplyTime=1
$SOLID_UP_BOX
INI
)"
start_strip "$appdata"
read -r _ _ w h <<<"$(drv rect "$TITLE")"
assert_eq "$w x $h" "119 x 91" "one box of 110 x 89"
shot="$(wait_pixel "$(at_x 1 3)" "$(at_y 60)" "0 192 0" small)"
echo "screenshot: $shot"
# Rectangle (0, 41, 110, 75): 34 x 34 at (38, 41).
expect_picture 1 38 41 72 75 "$MAGENTA" "Up picture in the small layout"
close_strip

# --- CHECKING until the first result --------------------------------------------------
start_fixture python3 "$ORVALEN_SRC/tests/fixtures/netcheck_server.py"
appdata="$(prepare_strip checking <<INI
NumBox=1
TimeOut=6000
[Box 0]
Name=full queue
CheckMethod=2
IPorURLAddress=127.0.0.1
Port=$NETFIX_FULL4
BoxColorDown=0x00FF0000
CheckInterval=60
INI
)"
start_strip "$appdata"
# Its connect waits out the time-out: meanwhile the box is white.
shot="$(screenshot checking)"
echo "screenshot: $shot"
assert_eq "$(box_pixel 1 3 60)" "255 255 255" "box while its first check runs"
shot="$(wait_pixel "$(at_x 1 3)" "$(at_y 60)" "0 0 255" checked)"
assert_eq "$(box_pixel 1 3 60)" "0 0 255" "box after its first result (Down)"
close_strip
pass

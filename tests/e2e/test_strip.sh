#!/usr/bin/env bash
# The strip window: the data folder tree and default pictures of a first start, an
# existing picture kept, the boxes' colours by status, frame and grip on screen, the
# window size of a row and a column, Enter and Esc ignored, closing ends the process.
source "$(dirname "$0")/lib.sh"

TITLE="Orvalen "

# --- No usable "APPDATA": the program says so and ends, creating nothing -------------
# Starts Orvalen with this exact APPDATA value (empty: not set for it).
start_with_appdata_value() {
    wine "$ORVALEN_BIN/orvdriver.exe" launch "$1" "$(winpath "$ORVALEN_BIN/Orvalen.exe")" \
        >"$E2E_DIR/launch.out" 2>/dev/null </dev/null || true
    LAST_PID="$(tr -d '\r\n' <"$E2E_DIR/launch.out")"
    [ -n "$LAST_PID" ] || fail "could not start Orvalen"
    E2E_WIN_PIDS+=("$LAST_PID")
}
long_appdata="$(winpath "$E2E_DIR")\\$(printf 'a%.0s' $(seq 1 240))"
for value in "" "$long_appdata"; do
    start_with_appdata_value "$value"
    text="$(drv msgbox Orvalen 20000)" || fail "no message for APPDATA '$value'"
    echo "message: $text"
    [[ "$text" == *APPDATA* && "$text" == *"will close"* ]] || fail "unclear message: $text"
    drv msgbox-press Orvalen 1 >/dev/null
    wait_exit "$LAST_PID"
    assert_eq "$(drv count "$TITLE")" "0" "strip windows without APPDATA"
done
[ ! -e "$E2E_DIR/Carrowmede" ] || fail "a data folder was made from a too long APPDATA"

# --- A first start in an empty application-data folder ------------------------------
# APPDATA reaches the program through Wine: its whole tree lands in this Unix folder.
appdata="$(new_appdata first)"
start_orvalen "$appdata"
pid=$LAST_PID
wait_window "$TITLE"
data="$(data_folder "$appdata")"
for folder in "$appdata/Carrowmede" "$data" "$data/Pictures" "$data/Skins" "$data/Logs"; do
    [ -d "$folder" ] || fail "folder not created: $folder"
done
for picture in 1274607096_Desktop.ico 1274607096_Desktop_bw.ico; do
    file="$data/Pictures/$picture"
    [ -s "$file" ] || fail "default picture not written: $picture"
    # An icon file of one image: reserved 0, type 1, count 1.
    assert_eq "$(head -c 6 "$file" | od -An -tx1 | tr -d ' \n')" "000001000100" "$picture header"
done
[ -f "$data/MainConfAID1.ini" ] || fail "main configuration file not written"
# The default monitor's box: 1 box of 110 x 90 in a row.
read -r _ _ w h <<<"$(drv rect "$TITLE")"
assert_eq "$w x $h" "119 x 92" "first-start window size"
drv close "$TITLE" >/dev/null
wait_exit "$pid"

# --- Test-named monitors in a row, an existing picture kept -------------------------
appdata="$(new_appdata row)"
data="$(data_folder "$appdata")"
mkdir -p "$data/Pictures"
# Not the picture the program would write: it must stay as it is.
cp "$ORVALEN_SRC/res/icons/app.ico" "$data/Pictures/1274607096_Desktop_bw.ico"
kept_sum="$(md5sum <"$data/Pictures/1274607096_Desktop_bw.ico")"
write_main_ini "$appdata" <<'INI'
[main]
FirstStart=0
PosX=40
PosY=640
WinBeh=0
WinPos=1
NumBox=4
XBox=110
YBox=90
HideTaskBarButton=0
EnableLog=0
[Box 0]
Name=*Up*
CheckMethod=1
BoxColorUp=0x0000C000
CheckInterval=1
[Box 1]
Name=*Down*
CheckMethod=2
Port=8080
CheckInterval=1
[Box 2]
Name=*ERROR*
CheckMethod=3
IPorURLAddress=http://127.0.0.1/
CheckInterval=1
[Box 3]
Name=*Up*
Disabled=1
INI
start_orvalen "$appdata"
pid=$LAST_PID
wait_window "$TITLE"
read -r x y w h <<<"$(drv rect "$TITLE")"
assert_eq "$x $y $w $h" "40 640 452 92" "row of four: position and size"
assert_eq "$(md5sum <"$data/Pictures/1274607096_Desktop_bw.ico")" "$kept_sum" "existing picture"
[ -s "$data/Pictures/1274607096_Desktop.ico" ] || fail "missing default picture not written"

# Box n (from 1) starts at client x = (n - 1) * 111 + 8; a point 3 pixels in from its
# left edge, below the four text lines and above the name band, is away from its
# centred picture and from texts (a text too wide for the box starts at its left edge).
box_x() { echo $((x + ($1 - 1) * 111 + 8 + 3)); }
mid_y=$((y + 1 + 60))
shot="$(wait_pixel "$(box_x 2)" "$mid_y" "121 121 121" row)"
echo "screenshot: $shot"
expect_pixel "$shot" "$(box_x 1)" "$mid_y" "0 192 0" "*Up* box background (BoxColorUp)"
expect_pixel "$shot" "$(box_x 2)" "$mid_y" "121 121 121" "*Down* box background (default BoxColorDown)"
expect_pixel "$shot" "$(box_x 3)" "$mid_y" "255 255 255" "*ERROR* box background"
expect_pixel "$shot" "$(box_x 4)" "$mid_y" "255 255 255" "disabled box background"
# Black frame on the outermost pixels, black separators after the grip and each box.
expect_pixel "$shot" "$x" "$mid_y" "0 0 0" "left frame"
expect_pixel "$shot" "$((x + w - 1))" "$mid_y" "0 0 0" "right frame"
expect_pixel "$shot" "$((x + 60))" "$y" "0 0 0" "top frame"
expect_pixel "$shot" "$((x + 60))" "$((y + h - 1))" "0 0 0" "bottom frame"
expect_pixel "$shot" "$((x + 7))" "$mid_y" "0 0 0" "grip separator"
expect_pixel "$shot" "$((x + 118))" "$mid_y" "0 0 0" "separator after box 1"
# The grip strip: silver with grey lines along it.
expect_pixel "$shot" "$((x + 1))" "$((y + 60))" "192 192 192" "grip ground"
expect_pixel "$shot" "$((x + 3))" "$((y + 60))" "128 128 128" "grip line"

# Enter and Esc (and the commands they give) leave the window open.
drv key "$TITLE" 13 >/dev/null
drv key "$TITLE" 27 >/dev/null
drv command "$TITLE" 1 >/dev/null
drv command "$TITLE" 2 >/dev/null
sleep 1
assert_eq "$(drv count "$TITLE")" "1" "window after Enter and Esc"
[[ "$(drv state "$TITLE")" == "iconic=0 visible=1"* ]] || fail "window hidden after Enter and Esc"

# Closing the window ends the process, monitoring threads and all.
drv close "$TITLE" >/dev/null
wait_exit "$pid"
assert_eq "$(drv count "$TITLE")" "0" "windows after closing"

# --- Three boxes: the row and the column ---------------------------------------------
appdata="$(new_appdata sizes)"
for winpos in 1 0; do
    write_main_ini "$appdata" <<INI
[main]
FirstStart=0
PosX=1000
PosY=100
WinBeh=0
WinPos=$winpos
NumBox=3
[Box 0]
Name=*Up*
BoxColorUp=0x0000C000
[Box 1]
Name=*Up*
BoxColorUp=0x0000C000
[Box 2]
Name=*Up*
BoxColorUp=0x0000C000
INI
    start_orvalen "$appdata"
    pid=$LAST_PID
    wait_window "$TITLE"
    read -r x y w h <<<"$(drv rect "$TITLE")"
    if [ "$winpos" == 1 ]; then
        assert_eq "$w x $h" "341 x 92" "row of three"
    else
        assert_eq "$w x $h" "112 x 281" "column of three"
        # Box 3 of the column starts at client y = 2 * 91 + 8.
        shot="$(wait_pixel "$((x + 4))" "$((y + 190 + 60))" "0 192 0" column)"
        echo "screenshot: $shot"
        expect_pixel "$shot" "$((x + 4))" "$((y + 8 + 60))" "0 192 0" "column box 1 background"
        expect_pixel "$shot" "$((x + 4))" "$((y + 190 + 60))" "0 192 0" "column box 3 background"
        expect_pixel "$shot" "$((x + 40))" "$((y + 7))" "0 0 0" "column grip separator"
        expect_pixel "$shot" "$((x + 40))" "$((y + 98))" "0 0 0" "separator after column box 1"
        expect_pixel "$shot" "$((x + 60))" "$((y + 1))" "192 192 192" "column grip ground"
        expect_pixel "$shot" "$((x + 60))" "$((y + 3))" "128 128 128" "column grip line"
        expect_pixel "$shot" "$((x + w - 1))" "$((y + 150))" "0 0 0" "column right frame"
        expect_pixel "$shot" "$((x + 50))" "$((y + h - 1))" "0 0 0" "column bottom frame"
    fi
    drv close "$TITLE" >/dev/null
    wait_exit "$pid"
done
pass

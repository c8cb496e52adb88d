#!/usr/bin/env bash
# Check results sent to the real strip window from outside, with no result attached:
# the window answers UM_GET_MAIN_DLG, takes a report for a box in range (a disabled
# box stays disabled), and drops reports for index 65535, the number of boxes and
# beyond, whatever their lParam holds.
source "$(dirname "$0")/lib.sh"

TITLE="Orvalen "
UM_CHECK_RESULT=0x404
UM_GET_MAIN_DLG=0x40D
MON_UP=2

appdata="$(new_appdata)"
# Three test-named boxes, the middle one disabled: each reports Down once, and their
# hour-long interval leaves the window's later state to the messages of this test.
{
    printf '[main]\nFirstStart=0\nPosX=40\nPosY=640\nWinPos=1\nNumBox=3\n'
    for i in 0 1 2; do
        printf '[Box %d]\nName=*Down*\nCheckMethod=2\nCheckInterval=3600\nBoxColorUp=0x0000C000\n' "$i"
        [ "$i" != 1 ] || printf 'Disabled=1\n'
    done
} | write_main_ini "$appdata"
start_orvalen "$appdata"
pid=$LAST_PID
wait_window "$TITLE"
read -r x y _ _ <<<"$(drv rect "$TITLE")"
box_x() { echo $((x + ($1 - 1) * 111 + 8 + 3)); }
mid_y=$((y + 1 + 60))
GREY="121 121 121"
WHITE="255 255 255"
GREEN="0 192 0"

shot="$(wait_pixel "$(box_x 3)" "$mid_y" "$GREY" first)"
expect_pixel "$shot" "$(box_x 1)" "$mid_y" "$GREY" "box 1 after its first report"
expect_pixel "$shot" "$(box_x 2)" "$mid_y" "$WHITE" "disabled box 2"

main_dlg="$(drv send "$TITLE" "$UM_GET_MAIN_DLG" 0 0)" || fail "UM_GET_MAIN_DLG not answered"
[ "$main_dlg" != "0" ] || fail "UM_GET_MAIN_DLG gave no window object"

# report_up INDEX LPARAM: a report of status Up for that index; prints the message result.
report_up() { drv send "$TITLE" "$UM_CHECK_RESULT" $(((MON_UP << 16) | $1)) "$2"; }

# Dropped reports, each with an lParam that no process could read.
for index in 65535 3 69; do
    assert_eq "$(report_up "$index" 1)" "0" "result of the dropped report for index $index"
done
assert_eq "$(drv count "$TITLE")" "1" "window after the dropped reports"
shot="$(screenshot dropped)"
for box in 1 3; do expect_pixel "$shot" "$(box_x $box)" "$mid_y" "$GREY" "box $box after dropped reports"; done
expect_pixel "$shot" "$(box_x 2)" "$mid_y" "$WHITE" "box 2 after dropped reports"

# Reports without a result for boxes in range are taken; the disabled box stays disabled.
for index in 0 1 2; do
    assert_eq "$(report_up "$index" 0)" "0" "result of the report for index $index"
done
shot="$(wait_pixel "$(box_x 3)" "$mid_y" "$GREEN" taken)"
expect_pixel "$shot" "$(box_x 1)" "$mid_y" "$GREEN" "box 1 reported Up"
expect_pixel "$shot" "$(box_x 2)" "$mid_y" "$WHITE" "disabled box 2 reported Up"
expect_pixel "$shot" "$(box_x 3)" "$mid_y" "$GREEN" "box 3 reported Up"

drv close "$TITLE" >/dev/null
wait_exit "$pid"
pass

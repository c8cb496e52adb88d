#!/usr/bin/env bash
# Start-up: no usable APPDATA, a first start, the single-instance guard in each of its
# states, the hand-over to the running window, and five instances at once, each on a main file that
# no user would write (random bytes, numbers out of range, 300-character values, broken
# lines, duplicate keys): each shows a strip within the limits and ends cleanly. F1 opens
# the help. Quit, WM_CLOSE or the close zone with echoes pending, then a start right
# after: the new strip comes up.
# (Ignored pings are a setting of the whole network namespace: this test runs alone.)
source "$(dirname "$0")/lib.sh"
GUARD_A="K3A92D7E1-5B40-4C8E-A613-2F0D9B7C4E58A"

# --- No usable "APPDATA" (unset, or too long for the tree): a message, then the end --
for value in "" "$E2E_DIR/$(printf 'a%.0s' $(seq 1 240))"; do
    start_orvalen "$value"
    text="$(drv msgbox Orvalen 20000)" || fail "no message for APPDATA '$value'"
    [[ "$text" == *APPDATA* && "$text" == *"will close"* ]] || fail "unclear message: $text"
    drv msgbox-press Orvalen $IDOK >/dev/null
    wait_exit "$LAST_PID" 20000 "APPDATA '$value'"
    assert_eq "$(drv count "$TITLE")" "0" "strip windows without APPDATA"
done
[ ! -e "$E2E_DIR/Carrowmede" ] || fail "a data folder was made from a too long APPDATA"

# --- The guard held, taken by another kind of object, abandoned ----------------------
# Another process holds a named object under instance 0's guard name until "release".
hold_guard() { start_fixture wine "$ORVALEN_BIN/orvdriver.exe" hold "$1" "$GUARD_A" 120000; }
release_guard() {
    drv release >/dev/null || true
    wait "${UNIX_PIDS[-1]}" 2>/dev/null || true
}
expect_untouched() { [ -z "$(ls -A "$1")" ] || fail "$2 created: $(ls -A "$1")"; }

# Held, but no window carries the instance's title: the start waits a few seconds for the
# guard. Held on, the start ends, touching nothing; let go meanwhile, the strip comes up.
hold_guard mutex
untouched="$(new_appdata held)"
start_orvalen "$untouched"
wait_exit "$LAST_PID" 20000 "guard held"
assert_eq "$(drv count "$TITLE")" "0" "windows while the guard is held elsewhere"
expect_untouched "$untouched" "a start that found its guard held"
release_guard
start_fixture wine "$ORVALEN_BIN/orvdriver.exe" hold mutex "$GUARD_A" 1500
start_strip "$(new_appdata letgo)"
close_window "$TITLE" "$LAST_PID"
# The name belongs to another kind of object: the start goes on as if alone, here a first
# start: the tree, the missing default picture and the main file written, a picture that
# is there kept, the default monitor's 110 x 90 box.
hold_guard event
data="$(data_folder "$(new_appdata noguard)")"
mkdir -p "$data/Pictures"
cp "$ORVALEN_SRC/res/icons/app.ico" "$data/Pictures/1274607096_Desktop_bw.ico"
start_strip "$E2E_DIR/appdatanoguard"
for folder in Pictures Skins Logs; do [ -d "$data/$folder" ] || fail "folder not created: $folder"; done
[ -s "$data/Pictures/1274607096_Desktop.ico" ] || fail "missing default picture not written"
cmp -s "$ORVALEN_SRC/res/icons/app.ico" "$data/Pictures/1274607096_Desktop_bw.ico" || fail "existing picture changed"
[ -f "$data/MainConfAID1.ini" ] || fail "main configuration file not written"
assert_eq "$STRIP_W x $STRIP_H" "119 x 92" "first-start window"
close_window "$TITLE" "$LAST_PID"
release_guard

# --- Each way of closing while echoes are pending, and a start half a second later -----
# Hosts that ignore pings, time-out 10 s: the closing process waits for its echoes
# unseen, without its window, tray icon or guard, so the new start comes up at once.
# Each new strip is the one the next way closes.
quit_data="$(new_appdata quit)"
{
    ini_section main FirstStart=0 NumBox=3 TimeOut=10000
    for i in 0 1 2; do ini_section "Box $i" "Name=silent$i" CheckMethod=1 IPv=0 "IPorURLAddress=127.0.0.$((20 + i))" CheckInterval=1; done
} | write_main_ini "$quit_data" MainConfAID1.ini
icmp_ignore_echo 1  # answered again by icmp_restore, or end_started on a failure
start_strip "$quit_data"
# close_by WAY: closes the strip as a user, or the system, would.
close_by() {
    case "$1" in
    Quit) drv command "$TITLE" $ID_TRAY_QUIT ;;     # from the tray menu
    WM_CLOSE) drv send "$TITLE" 16 0 0 ;;   # sent, as Alt+F4, the taskbar or a shutdown do
    close_zone) read -r x y _ _ <<<"$(drv rect "$TITLE")" && xdotool mousemove $((x + 3)) $((y + 3)) click 1 ;;
    esac >/dev/null
}
for what in Quit WM_CLOSE close_zone; do
    closing=$LAST_PID
    sleep 2  # the first echoes are out, each for 10 s
    close_by "$what"
    closed_at=$(date +%s%3N)
    sleep 0.5
    drv wait-pid "$closing" 0 >/dev/null && fail "$what: no echo was pending"
    assert_eq "$(drv mutex-exists "$GUARD_A")" "0" "$what: guard of the instance that closed"
    started_at=$(date +%s%3N)
    start_strip "$quit_data"
    waited=$(($(date +%s%3N) - started_at))
    assert_eq "$(drv pid "$TITLE")" "$LAST_PID" "$what: process of the strip started after it"
    ((waited <= 3000)) || fail "$what: the strip started after it came up $waited ms after its start"
    wait_exit "$closing" $((12000 - ($(date +%s%3N) - closed_at))) "$what: instance that closed, within its echoes' bound"
done
close_window "$TITLE" "$LAST_PID"
icmp_restore

# --- Five instances on bad main files -------------------------------------------------
appdata="$(new_appdata)"
python3 - "$(data_folder "$appdata")" <<'PY'
import os, random, sys
folder, rng = sys.argv[1], random.Random(7)
os.makedirs(folder, exist_ok=True)
def box(i, **keys):
    keys = {"Name": "m%d" % i, "CheckMethod": 1 + i % 3, "IPorURLAddress": "127.0.0.1", "Port": 1,
            "CheckInterval": 60, **keys}
    return "[Box %d]\r\n" % i + "".join("%s=%s\r\n" % kv for kv in keys.items())
noise = bytes(rng.getrandbits(8) for _ in range(4096))
files = {
    # Numbers out of range: 1 box of 60 x 150 in a row.
    "A": "[main]\r\nFirstStart=0\r\nNumBox=0\r\nXBox=-5\r\nYBox=99999999999\r\nWinPos=1\r\nTimeOut=-1\r\n"
         + box(0, Port=4294967296, CheckInterval=-2147483649, IPv="12abc"),
    # Random bytes, framed as a file and behind a UTF-16 byte-order mark.
    "B": b"\xff\xfe[main]\r\nNumBox=" + noise[:50] + b"\r\n" + noise + b"\r\n[Box 0]\r\nName=" + noise[:300],
    # Values of 300 characters: 3 boxes of 120 x 80 in a row.
    "C": "[main]\r\nFirstStart=0\r\nNumBox=3\r\nXBox=120\r\nYBox=80\r\nLogDir=%s\r\n" % ("L" * 300)
         + "".join(box(i, Name="\u00e9" * 300, IPorURLAddress=a, MsgBoxDesc="%name %status" * 30, Phrase="p" * 300)
                   for i, a in enumerate(["x" * 300, "http://127.0.0.1:1/" + "q" * 300, "http://[::1]:1/" + "h" * 290])),
    # Broken lines and duplicate keys and sections.
    "D": "[main\r\nNumBox\r\n=5\r\n[main]\r\nFirstStart=0\r\nNumBox = 4 \r\nXBox\t=\t90\r\nYBox==70\r\n[Box 0\r\n"
         "[Box 1]]\r\n" + "Name" * 100 + "\r\n\x00Name=x\r\n" + box(0) + box(0, CheckMethod=7) + box(3)
         + "[MAIN]\r\nNumBox=71\r\nk=" + "z" * 10000 + "\r\n",
    # The most boxes asked for: 70 of 60 x 60 in a column.
    "E": "[main]\r\nFirstStart=0\r\nNumBox=2147483647\r\nXBox=60\r\nYBox=60\r\nWinPos=0\r\n"
         + "".join(box(i, Disabled=1) for i in range(75)),
}
for letter, content in files.items():
    data = content if isinstance(content, bytes) else content.encode("utf-8")
    open(os.path.join(folder, "MainConf%sID1.ini" % letter), "wb").write(data)
PY

# Instance 0 starts although a process that ended left its guard abandoned.
hold_guard abandoned
start_strip "$appdata"
first=$LAST_PID
release_guard
assert_eq "$STRIP_W x $STRIP_H" "69 x 152" "instance 0: one box of 60 x 150"
assert_eq "$(drv mutex-exists "$GUARD_A")" "1" "guard of the running instance"

# F1 on the strip opens the help file that the build puts beside the program.
xdotool mousemove $((STRIP_X + STRIP_W / 2)) $((STRIP_Y + STRIP_H / 2)) click 1
wait_until 5 output_like "*foreground=1" drv state "$TITLE"
xdotool key F1
wait_window "Orvalen Help"
drv close "Orvalen Help" >/dev/null
drv wait-gone "Orvalen Help" 10000 >/dev/null || fail "help window did not close"

# Minimised, then started again: the second process ends without a window or a data
# folder, and the first comes back to the front.
drv minimize "$TITLE" >/dev/null
wait_until 5 output_like "*iconic=1*" drv state "$TITLE"
[[ "$(drv state "$TITLE")" == *"iconic=1"* ]] || fail "window did not minimise"
elsewhere="$(new_appdata second)"
start_orvalen "$elsewhere"
wait_exit "$LAST_PID" 20000 "second start"
expect_untouched "$elsewhere" "a second start"
wait_until 5 output_like "*iconic=0 visible=1 foreground=1*" drv state "$TITLE"
state="$(drv state "$TITLE")"
[[ "$state" == *"iconic=0 visible=1 foreground=1"* ]] || fail "first window not restored to the front: $state"
assert_eq "$(drv count "$TITLE")" "1" "windows of instance 0"

# Instances 1 to 4 beside it, each on its own file; the sizes that their files state plainly.
pids=("$first")
for row in "/secondary|Orvalen II|" "/tertiary|Orvalen III|371 x 82" "/quaternary|Orvalen IV|" \
           "/quinary|Orvalen V|62 x 4278"; do
    IFS='|' read -r switch title size <<<"$row"
    STRIP_TITLE="$title" start_strip "$appdata" "$switch"
    pids+=("$LAST_PID")
    [ -z "$size" ] || assert_eq "$STRIP_W x $STRIP_H" "$size" "$title"
    # Any other strip lies within the limits: 1..70 boxes of 60..200 x 60..150.
    ((STRIP_W >= 62 && STRIP_H >= 62 && STRIP_W <= 14078 && STRIP_H <= 10578)) || fail "$title: $STRIP_W x $STRIP_H"
done

# "/SECONDARY" is instance 0 (the switch is case-sensitive): it comes to the front again.
[[ "$(drv state "$TITLE")" == *"foreground=0"* ]] || fail "instance 0 still in front"
start_orvalen "$appdata" /SECONDARY
wait_exit "$LAST_PID" 20000 "/SECONDARY"
wait_until 5 output_like "*foreground=1*" drv state "$TITLE"
[[ "$(drv state "$TITLE")" == *"foreground=1"* ]] || fail "instance 0 not brought to the front"

# Closing each window ends its process cleanly, and instance 0's guard goes with it.
i=0
for title in "$TITLE" "Orvalen II" "Orvalen III" "Orvalen IV" "Orvalen V"; do
    close_window "$title" "${pids[$i]}"
    i=$((i + 1))
done
assert_eq "$(drv mutex-exists "$GUARD_A")" "0" "guard after the instance ended"
pass

# Sourced by every end-to-end test. It prepares a data folder, starts the real
# Orvalen.exe under Wine (inside the session that scripts/test.sh set up: private
# prefix, Xvfb display, loopback-only network) and drives it with orvdriver.exe, by
# the names of res/resource.h (build/tests/resource_ids.sh). The helpers it shares with
# the benchmark are in scripts/lib/helpers.sh. Every process a test starts is ended by
# its id when the test ends.
set -euo pipefail

: "${ORVALEN_BIN:?run through ctest (scripts/test.sh)}"
source "$ORVALEN_SRC/scripts/lib/helpers.sh"
source "$ORVALEN_BUILD/tests/resource_ids.sh"
E2E_NAME="$(basename "${BASH_SOURCE[1]:-$0}" .sh)"
E2E_DIR="${ORVALEN_BUILD}/e2e/${E2E_NAME}"
# Every Wine process this test starts inherits the mark (the programs it launches too), so
# that its end finds them all (end_started).
export ORVALEN_RUN_MARK="$E2E_NAME.$$"
WORK_DIR="$E2E_DIR"
rm -rf "$E2E_DIR"
mkdir -p "$E2E_DIR"
TITLE="Orvalen "   # the strip window of instance 0
IDOK=1 IDCANCEL=2 IDYES=6 IDNO=7   # the buttons of dialogs and message boxes
FILE_NAME_BOX=1148                 # the name box of the system's file dialogs
trap end_started EXIT

pass() { echo "PASS: $E2E_NAME"; }

# Runs this test in a Wine session of its own: a prefix, wineserver and Xvfb display that no
# other test shares, so that its windows, instance guards and message boxes meet nobody's and
# it needs no turn on the shared desktop (tests/CMakeLists.txt gives such a test a lock of its
# own). For the long tests: the others wait for each other. Call before starting anything.
own_wine_session() {
    export WINEPREFIX_OVERRIDE="$ORVALEN_BUILD/wineprefix-$E2E_NAME"
    # The prefix is the shared one's files, linked, not a new one (which costs a minute of
    # the processors and a gigabyte); but for the registry files, which are copied: Wine
    # writes a registry file that has other links in place, so both prefixes would share it.
    # It writes no other file of the prefix.
    if [ ! -d "$WINEPREFIX_OVERRIDE" ] && [ -f "${WINEPREFIX:-}/.orvalen-ready" ]; then
        local made="$WINEPREFIX_OVERRIDE.new" reg
        rm -rf "$made"
        cp -al "$WINEPREFIX" "$made"
        for reg in "$WINEPREFIX"/*.reg; do cp --remove-destination "$reg" "$made/"; done
        mv "$made" "$WINEPREFIX_OVERRIDE"
    fi
    source "$ORVALEN_SRC/scripts/wine-session.sh"
    start_xvfb
    start_wine
    trap 'end_started; session_cleanup' EXIT
}
assert_eq() { [ "$1" == "$2" ] || fail "${3:-value}: expected '$2', got '$1'"; }

# A fresh application-data folder for this test; prints its Unix path.
# The program's data folder is then "$APPDATA_DIR/Carrowmede/Orvalen".
new_appdata() {
    local dir="$E2E_DIR/appdata${1:-}"
    rm -rf "$dir"
    mkdir -p "$dir"
    echo "$dir"
}

# Prints an INI section: ini_section NAME KEY=VALUE... (e.g. ini_section "Box 0" Name=x).
ini_section() {
    printf '[%s]\n' "$1"
    shift
    [ $# -eq 0 ] || printf '%s\n' "$@"
}

# Starts Orvalen (arguments as start_orvalen) and waits for its window, titled "Orvalen "
# unless STRIP_TITLE says otherwise, and for its start; leaves the window's screen rectangle
# in STRIP_X STRIP_Y STRIP_W STRIP_H.
start_strip() {
    start_orvalen "$@"
    wait_window "${STRIP_TITLE:-$TITLE}"
    # The window has its title before its start is over (tray icon, monitoring threads):
    # it answers once that is done.
    wait_handled "${STRIP_TITLE:-$TITLE}"
    read -r STRIP_X STRIP_Y STRIP_W STRIP_H <<<"$(drv rect "${STRIP_TITLE:-$TITLE}")"
}

# box_point N [DX DY]: the screen point (DX, DY) from the top left corner of box N (from 1)
# of the strip at STRIP_X STRIP_Y with boxes of BOX_W x BOX_H (110 x 90 unless set) in a row
# (STRIP_ROW=1, the default) or a column (STRIP_ROW=0), where the program's own geometry
# puts it.
box_point() {
    local corner
    read -r -a corner <<<"$(box_corner "$1")"
    echo "$((STRIP_X + corner[0] + ${2:-0})) $((STRIP_Y + corner[1] + ${3:-0}))"
}
# box_corner N: the client point "x y" of box N's top left corner (as box_point). Each
# shape's 70 corners are asked of orvdriver box-point once a test and kept in a file, so the
# many points of a pixel check cost no Wine start each.
box_corner() {
    local shape="${STRIP_ROW:-1}-${BOX_W:-110}-${BOX_H:-90}" corners
    corners="$E2E_DIR/box-corners-$shape"
    if [ ! -s "$corners" ]; then
        drv box-point "${STRIP_ROW:-1}" "${BOX_W:-110}" "${BOX_H:-90}" 1 70 >"$corners.tmp" &&
            mv "$corners.tmp" "$corners" || fail "orvdriver box-point $shape"
    fi
    sed -n "${1}p" "$corners"
}

# Closes the window with this title and waits until process PID has ended with exit code 0.
close_window() {
    assert_eq "$(drv pid "$1")" "$2" "process of '$1'"
    assert_eq "$(drv close-wait "$1" 20000)" "0" "exit code after closing '$1'"
}

# Opens the strip's menu with a right click at screen point X Y and chooses with the
# keys given (Down selects the next item, separators skipped; Right opens a submenu with
# its first item selected; the last key, often Return, chooses); waits until it closed.
strip_menu() {
    local x="$1" y="$2"
    shift 2
    xdotool mousemove "$x" "$y" click 3
    drv wait-menu 10000 || fail "no menu at $x,$y"
    # Keys reach the menu through the strip's X window, whichever window (of a program
    # just launched, or of a test beside this one) has the keyboard focus.
    xdotool search --name "^$TITLE\$" windowfocus 2>/dev/null || true
    [ -z "${MENU_SHOT:-}" ] || screenshot "$MENU_SHOT" >/dev/null  # the open menu, when asked
    xdotool key --delay 120 "${@:1:$#-1}"
    [ -z "${MENU_DEBUG:-}" ] || screenshot "menu-$(date +%s%N)" >/dev/null
    xdotool key "${@: -1}"
    drv wait-menu 10000 closed || fail "the menu at $x,$y stayed open"
    wait_handled  # the chosen command has run (a click meanwhile is lost)
}

# Waits until the window (the strip unless named) has handled what it was given before (a
# click, a chosen command): it answers WM_NULL only then, or from a dialog or message box
# that opened meanwhile. A window that has gone meanwhile has nothing left to handle.
wait_handled() { drv send "${1:-$TITLE}" 0 0 0 >/dev/null || true; }

# Waits until a window with exactly this title exists.
wait_window() { drv wait-window "$1" "${2:-20000}" >/dev/null || fail "no window titled '$1'"; }

# Saves a screenshot of the whole Xvfb screen; prints its path.
screenshot() {
    local file="$E2E_DIR/$1.png"
    import -window root "$file"
    echo "$file"
}

# The colour of one pixel of a picture as "r g b".
pixel() {
    local file="$1" x="$2" y="$3"
    convert "$file" -format "%[fx:int(255*p{$x,$y}.r+0.5)] %[fx:int(255*p{$x,$y}.g+0.5)] %[fx:int(255*p{$x,$y}.b+0.5)]" info:
}

# Waits (up to 15 s) until the pixel at (x, y) of the screen has the colour "r g b";
# prints the last screenshot taken (saved under the given name).
wait_pixel() {
    local x="$1" y="$2" want="$3" name="$4" shot="" i
    for i in $(seq 1 60); do
        shot="$(screenshot "$name")"
        [ "$(pixel "$shot" "$x" "$y")" == "$want" ] && break
        sleep 0.25
    done
    echo "$shot"
}

# Fails unless the pixel at (x, y) of the screenshot has the colour "r g b".
expect_pixel() {
    local shot="$1" x="$2" y="$3" want="$4" what="$5"
    assert_eq "$(pixel "$shot" "$x" "$y")" "$want" "$what at ($x, $y)"
}

# How many pixels of the colour "r g b" lie in the rectangle (x, y, width, height).
count_colour() {
    local shot="$1" x="$2" y="$3" w="$4" h="$5" r g b
    read -r r g b <<<"$6"
    convert "$shot" -crop "${w}x${h}+${x}+${y}" +repage txt:- |
        grep -ci "$(printf '#%02X%02X%02X' "$r" "$g" "$b")\b" || true
}

# The one reader of INI files in the tests, as the program's files are read: ANSI or UTF-16,
# section and key names in any case, blanks around names and values dropped, the first of
# two equal keys. ini_read value FILE SECTION KEY | lines FILE SECTION | keys FILE SECTION.
ini_read() {
    python3 - "$@" <<'PY'
import sys
mode, path, section = sys.argv[1:4]
try:
    raw = open(path, "rb").read()
except OSError:
    raw = None
if raw is None:
    lines = None
else:
    text = raw.decode("utf-16") if raw[:2] == b"\xff\xfe" else raw.decode("latin-1")
    current, lines = None, None
    for line in text.splitlines():
        line = line.strip()
        if line.startswith("[") and line.endswith("]"):
            current = line[1:-1].strip().lower()
            if current == section.lower() and lines is None:
                lines = []
        elif current == section.lower() and line:
            lines.append(line)
if mode == "value":
    value = "<none>"
    for line in lines or []:
        k, sep, v = line.partition("=")
        if sep and k.strip().lower() == sys.argv[4].lower():
            value = v.strip()
            break
    print(value)
elif mode == "keys":
    for line in lines or []:
        if "=" in line:
            print(line.split("=", 1)[0].strip())
else:
    for line in lines or []:
        print(line)
PY
}

# The value of KEY in [SECTION] of an INI file, or "<none>" when the file, the section or
# the key is missing.
ini_get() { ini_read value "$@"; }
# The lines of [SECTION] of an INI file (none when it is missing), without line ends.
ini_lines() { ini_read lines "$@"; }
# The names of the keys of [SECTION] of an INI file, one a line, in the file's order.
ini_keys() { ini_read keys "$@"; }

# The values of KEY in sections "Box 0" .. "Box N-1", blank-separated.
ini_boxes() {
    local file="$1" key="$2" count="$3" i out=()
    for ((i = 0; i < count; i++)); do out+=("$(ini_get "$file" "Box $i" "$key")"); done
    echo "${out[*]}"
}

# Waits (up to 10 s) until KEY in [SECTION] of the INI file reads VALUE; fails otherwise.
wait_ini() {
    local file="$1" section="$2" key="$3" want="$4" got="" i
    for i in $(seq 1 40); do
        got="$(ini_get "$file" "$section" "$key")"
        [ "$got" == "$want" ] && return 0
        sleep 0.25
    done
    fail "[$section] $key: expected '$want', got '$got'"
}

#!/usr/bin/env bash
# Bad input, short: 20 generated main configuration files (random bytes, huge and
# negative numbers, values of 300 characters, NumBox of 0, 71 and 2147483647, missing
# sections, duplicate keys, broken lines). On each the program starts, shows a strip
# within the limits (exactly the one expected where the file says it plainly), and
# ends with exit code 0 when its window is closed. (The benchmark runs several hundred.)
source "$(dirname "$0")/lib.sh"

files="$E2E_DIR/files"
python3 "$ORVALEN_SRC/tests/fixtures/bad_configs.py" make 20 7 "$files"
wine "$ORVALEN_BIN/configrun.exe" "$(winpath "$ORVALEN_BIN/Orvalen.exe")" "$(winpath "$E2E_DIR/scratch")" \
    $(for f in "$files"/bad-*.ini; do winpath "$f"; echo; done) </dev/null 2>/dev/null |
    tr -d '\r' >"$E2E_DIR/results.txt" || true
python3 "$ORVALEN_SRC/tests/fixtures/bad_configs.py" check "$files" "$E2E_DIR/results.txt" ||
    fail "a bad configuration file was not survived"
pass

#!/usr/bin/env bash
# Execute-file notifications: a recording program is run with exactly the expanded
# parameters, at the checks that thresholds 0 and 2 select over the changing statuses
# of "*RAND*" monitors; a batch program gets the values inert for the interpreter.
source "$(dirname "$0")/lib.sh"

appdata="$(new_appdata)"
for name in rec0 rec2 recurl; do cp "$ORVALEN_BIN/argrecorder.exe" "$E2E_DIR/$name.exe"; done
injected="$E2E_DIR/injected.txt"
printf '@echo off\r\necho %%*>>"%s"\r\n' "$(winpath "$E2E_DIR/bat.log")" >"$E2E_DIR/notify.bat"
closed_port="$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')"
params='%ip|%status|%method|%port|%text|%name|%time|%url'

# box INDEX NAME METHOD ADDRESS THRESHOLD MASK PROGRAM PARAMETERS [PORT]
box() {
    printf '[Box %d]\nName=%s\nCheckMethod=%d\nIPorURLAddress=%s\nCheckInterval=1\nExecFileCheck=1\n' "${@:1:4}"
    printf 'nEF=%d\nExecFileStatusCheck=%d\nExecFilePath=%s\nExecFileParam=%s\nPort=%d\n' "${@:5:4}" "${9:-80}"
}
{
    printf '[main]\nNumBox=4\nEnableLog=0\n'
    box 0 '*RAND*' 1 127.0.0.1 0 31 "$(winpath "$E2E_DIR/rec0.exe")" "$params"
    box 1 '*RAND*' 1 127.0.0.1 2 31 "$(winpath "$E2E_DIR/rec2.exe")" "$params"
    box 2 '*RAND*' 3 http://127.0.0.1:8080/x 0 31 "$(winpath "$E2E_DIR/recurl.exe")" "$params"
    box 3 "x&echo>$(winpath "$injected")&rem" 2 127.0.0.1 0 4 "$(winpath "$E2E_DIR/notify.bat")" '%name %status' \
        "$closed_port"
} | write_main_ini "$appdata"

start_orvalen "$appdata"
wait_window "Orvalen "

# The threshold-2 Ping monitor fires at its 7th, 30th and 33rd checks.
for _ in $(seq 1 90); do
    [ -f "$E2E_DIR/rec2.exe.log" ] && [ "$(wc -l <"$E2E_DIR/rec2.exe.log")" -ge 3 ] && break
    sleep 1
done
drv close "Orvalen " >/dev/null
wait_exit "$LAST_PID" 20000
sleep 1

# What each recorder should have seen: the "*RAND*" statuses replayed from the C
# library's sequence (seed 1, per thread), the repeat rule, the parameter words.
python3 - "$E2E_DIR" <<'PY' || fail "recorded parameters differ"
import re, sys
folder = sys.argv[1]

class CrtRand:
    def __init__(self): self.x = 1
    def next(self):
        self.x = (self.x * 214013 + 2531011) & 0xFFFFFFFF
        return (self.x >> 16) & 0x7FFF

def statuses(method, count):
    rng, out = CrtRand(), []
    for _ in range(count):
        rng.next()  # time
        r = rng.next() % (4 if method == 1 else 5) + 1
        if r == 4:
            rng.next()  # Down's error or IP status
        out.append({1: 5, 2: 4, 3: 2, 4: 1, 5: 7}[r])
    return out

WORDS = {1: {1: "Down", 2: "Up", 4: "ERROR", 5: "IPERROR"},
         3: {1: "Down", 2: "Up", 4: "ERROR", 5: "URLERROR", 7: "S.n.F."}}

def fired(method, threshold, count=200):
    out, previous, counter = [], 0, 0
    for s in statuses(method, count):
        if s != previous:
            counter = 0
        if counter != 0xFFFF:
            if counter >= threshold:
                counter = 0xFFFF
                out.append(WORDS[method][s])
            else:
                counter += 1
        previous = s
    return out

def check(log, method, threshold, ip, port, url, minimum):
    lines = open("%s/%s" % (folder, log), encoding="utf-8").read().splitlines()
    expected = fired(method, threshold)
    ok = len(lines) >= minimum
    for i, line in enumerate(lines):
        fields = line.split("|")
        want = [ip, expected[i], {1: "Ping", 3: "URL"}[method], port, "*RAND*", "*RAND*", None, url]
        if len(fields) != 8 or not re.fullmatch(r"\d\d/\d\d/\d\d \d\d:\d\d:\d\d", fields[6]):
            print("%s line %d malformed: %r" % (log, i + 1, line)); ok = False; continue
        fields[6] = None
        if fields != want:
            print("%s line %d: %r, expected %r" % (log, i + 1, fields, want)); ok = False
    print("%s: %d runs" % (log, len(lines)))
    return ok

good = check("rec0.exe.log", 1, 0, "127.0.0.1", "N/A", "N/A", 10)
good &= check("rec2.exe.log", 1, 2, "127.0.0.1", "N/A", "N/A", 3)
good &= check("recurl.exe.log", 3, 0, "127.0.0.1", "8080", "http://127.0.0.1:8080/x", 10)
sys.exit(0 if good else 1)
PY

# The batch program ran once, for the Closed result, and nothing in the name ran.
[ -f "$E2E_DIR/bat.log" ] || fail "the batch program did not run"
assert_eq "$(tr -d '\r' <"$E2E_DIR/bat.log")" "x_echo_$(winpath "$injected")_rem Closed" "batch parameters"
[ ! -e "$injected" ] || fail "a command hidden in the name ran"
pass

#!/usr/bin/env bash
# Instances: titles per switch, the single-instance guard and the hand-over to the
# running window.
source "$(dirname "$0")/lib.sh"

appdata="$(new_appdata)"
GUARD_A="K3A92D7E1-5B40-4C8E-A613-2F0D9B7C4E58A"

# Another process holds a named object under instance 0's guard name until release_guard.
hold_guard() {
    start_fixture wine "$ORVALEN_BIN/orvdriver.exe" hold "$1" "$GUARD_A" 120000
    HOLDER_PID="${E2E_UNIX_PIDS[-1]}"
}
release_guard() {
    drv release >/dev/null || true
    wait "$HOLDER_PID" 2>/dev/null || true
}

assert_empty_folder() {
    [ -z "$(ls -A "$1")" ] || fail "$2 created: $(ls -A "$1")"
}

# The guard is held but no window carries the instance's title: the start ends without
# a window and without touching its data folder.
hold_guard mutex
untouched="$(new_appdata held)"
start_orvalen "$untouched"
wait_exit "$LAST_PID" 20000
assert_eq "$(drv count "Orvalen ")" "0" "windows while the guard is held elsewhere"
assert_empty_folder "$untouched" "a start that found its guard held"
release_guard

# A guard abandoned by a process that ended while holding it: the start runs normally.
hold_guard abandoned
start_orvalen "$(new_appdata abandoned)"
wait_window "Orvalen "
release_guard
drv close "Orvalen " >/dev/null
wait_exit "$LAST_PID" 20000

# The guard cannot be created (its name belongs to another kind of object): the start
# goes on as if no other instance ran.
hold_guard event
start_orvalen "$(new_appdata noguard)"
wait_window "Orvalen "
drv close "Orvalen " >/dev/null
wait_exit "$LAST_PID" 20000
release_guard

# No switch: instance 0, titled "Orvalen " with a trailing blank, guarded by its mutex.
assert_eq "$(drv mutex-exists "$GUARD_A")" "0" "guard before the start"
start_orvalen "$appdata"
first=$LAST_PID
wait_window "Orvalen "
assert_eq "$(drv count "Orvalen ")" "1" "windows of instance 0"
assert_eq "$(drv mutex-exists "$GUARD_A")" "1" "guard of the running instance"

# Minimise it, then start again without a switch: the second process ends without a
# window or a data folder and the first comes back to the front.
drv minimize "Orvalen " >/dev/null
sleep 1
state="$(drv state "Orvalen ")"
[[ "$state" == *"iconic=1"* ]] || fail "window did not minimise: $state"
elsewhere="$(new_appdata second)"
start_orvalen "$elsewhere"
second=$LAST_PID
wait_exit "$second" 20000
assert_eq "$(drv count "Orvalen ")" "1" "windows of instance 0 after a second start"
assert_empty_folder "$elsewhere" "a second start"
sleep 1
state="$(drv state "Orvalen ")"
[[ "$state" == *"iconic=0"* && "$state" == *"visible=1"* && "$state" == *"foreground=1"* ]] || fail "first window not restored to the front: $state"

# "/secondary" starts instance 1 beside it.
start_orvalen "$appdata" /secondary
wait_window "Orvalen II"
assert_eq "$(drv count "Orvalen ")" "1" "instance 0 still single"

# The switch is case-sensitive: "/SECONDARY" is instance 0, which already runs and comes
# to the front again, in front of instance 1.
state="$(drv state "Orvalen ")"
[[ "$state" == *"foreground=0"* ]] || fail "instance 1 did not come to the front: $state"
start_orvalen "$appdata" /SECONDARY
wait_exit "$LAST_PID" 20000
assert_eq "$(drv count "Orvalen II")" "1" "instance 1 still single"
sleep 1
state="$(drv state "Orvalen ")"
[[ "$state" == *"foreground=1"* ]] || fail "instance 0 not brought to the front: $state"

# Of several switches the one tested last wins: "/quinary /secondary" is instance 4.
start_orvalen "$appdata" /quinary /secondary
wait_window "Orvalen V"
# A word that merely contains a switch still selects it.
start_orvalen "$appdata" x/tertiaryx
wait_window "Orvalen III"

# Closing a window ends its process.
pid0="$(drv pid "Orvalen ")"
drv close "Orvalen " >/dev/null
wait_exit "$first" 20000
[ "$(drv count "Orvalen ")" == "0" ] || fail "instance 0 window still there"
for t in "Orvalen II" "Orvalen V" "Orvalen III"; do drv close "$t" >/dev/null; done
for t in "Orvalen II" "Orvalen V" "Orvalen III"; do
    drv wait-gone "$t" 20000 || fail "$t did not close"
done
assert_eq "$(drv mutex-exists "$GUARD_A")" "0" "guard after the instance ended"
pass

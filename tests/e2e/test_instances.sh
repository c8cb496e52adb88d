#!/usr/bin/env bash
# Instances: titles per switch, the single-instance guard and the hand-over to the
# running window.
source "$(dirname "$0")/lib.sh"

appdata="$(new_appdata)"

# No switch: instance 0, titled "Orvalen " with a trailing blank.
start_orvalen "$appdata"
first=$LAST_PID
wait_window "Orvalen "
assert_eq "$(drv count "Orvalen ")" "1" "windows of instance 0"

# Minimise it, then start again without a switch: the second process ends without a
# window and the first comes back to the front.
drv minimize "Orvalen " >/dev/null
sleep 1
state="$(drv state "Orvalen ")"
[[ "$state" == *"iconic=1"* ]] || fail "window did not minimise: $state"
start_orvalen "$appdata"
second=$LAST_PID
wait_exit "$second" 20000
assert_eq "$(drv count "Orvalen ")" "1" "windows of instance 0 after a second start"
sleep 1
state="$(drv state "Orvalen ")"
[[ "$state" == *"iconic=0"* && "$state" == *"visible=1"* ]] || fail "first window not restored: $state"

# "/secondary" starts instance 1 beside it.
start_orvalen "$appdata" /secondary
wait_window "Orvalen II"
assert_eq "$(drv count "Orvalen ")" "1" "instance 0 still single"

# The switch is case-sensitive: "/SECONDARY" is instance 0, which already runs.
start_orvalen "$appdata" /SECONDARY
wait_exit "$LAST_PID" 20000
assert_eq "$(drv count "Orvalen II")" "1" "instance 1 still single"

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
pass

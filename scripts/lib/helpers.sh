# Helpers shared by the scripts. The launchers (scripts/test.sh, bench.sh, screenshots.sh,
# shell-in-session.sh) enter the loopback-only namespace with them; the end-to-end tests
# (tests/e2e/lib.sh) and the benchmark (bench/lib.sh) start, drive and wait for the
# program with them. The driving helpers need ORVALEN_BIN (the built programs) and
# WORK_DIR (the calling script's folder for its files); end_started ends, by id, every
# process they started and puts back the namespace's ICMP settings they changed.

# --- The loopback-only network namespace ---------------------------------------------------

# True until the calling script runs inside the namespace: the place for the work that
# needs the open network (bootstrap, build).
outside_loopback_namespace() { [ -z "${ORVALEN_IN_NETNS:-}" ]; }

# Runs the calling script again, with its arguments, inside a network namespace of its
# own with only loopback (in a user namespace of its own when not root); inside it,
# brings loopback up. Call it as: enter_loopback_namespace "$@"
enter_loopback_namespace() {
    if outside_loopback_namespace; then
        export ORVALEN_IN_NETNS=1
        if [ "$(id -u)" -eq 0 ]; then exec unshare -n -- bash "$0" "$@"; fi
        exec unshare -rn -- bash "$0" "$@"
    fi
    ip link set lo up
}

# --- The namespace's ICMP settings --------------------------------------------------------
# Inside the loopback namespace (as root there) a script may make echoes go unanswered
# (all of them, or those of one address) and 127.0.0.3 unreachable; icmp_restore puts all back, and end_started calls it when
# either was changed, so a failing script leaves the namespace as it found it.

ICMP_CHANGED=""

# icmp_ignore_echo 1|0: whether the namespace answers echoes at all.
icmp_ignore_echo() {
    ICMP_CHANGED=1
    sysctl -q -w net.ipv4.icmp_echo_ignore_all="$1"
}

# An unreachable route to 127.0.0.3 in a table of its own; the loopback rule moves behind
# it without a moment in which loopback has no route.
unreachable_route_on() {
    ICMP_CHANGED=1
    ip rule add pref 100 lookup local
    ip route add unreachable 127.0.0.3/32 table 100
    ip rule add pref 10 to 127.0.0.3/32 lookup 100
    ip rule del pref 0 lookup local
}

# Echoes to ADDR go unanswered while every other loopback address answers: replies from
# ADDR take a route that drops them, behind which the loopback rule moves as above.
echo_replies_dropped_from() {
    ICMP_CHANGED=1
    ip rule add pref 100 lookup local
    ip route add blackhole 127.0.0.1/32 table 105
    ip rule add pref 5 from "$1" lookup 105
    ip rule del pref 0 lookup local
}

# Echoes answered again, from every address, and 127.0.0.3 reachable again (each step also when the change
# before it was never made).
icmp_restore() {
    sysctl -q -w net.ipv4.icmp_echo_ignore_all=0 || true
    # Added only when missing: a second rule of the same place would outlive the next
    # unreachable_route_on, which takes one away, and keep 127.0.0.3 reachable.
    { ip rule list | grep -q '^0:.*lookup local' || ip rule add pref 0 lookup local; } 2>/dev/null || true
    ip rule del pref 10 to 127.0.0.3/32 lookup 100 2>/dev/null || true
    ip rule del pref 100 lookup local 2>/dev/null || true
    ip route flush table 100 2>/dev/null || true
    ip rule del pref 5 2>/dev/null || true
    ip route flush table 105 2>/dev/null || true
    ICMP_CHANGED=""
}

# --- Starting and driving the program ------------------------------------------------------

WIN_PIDS=()    # Windows process ids of programs started with start_orvalen
UNIX_PIDS=()   # Unix process ids of helpers (fixtures)

end_started() {
    local pid
    # Background jobs of the script first (a watch, a loop of commands), so that none
    # starts anything more.
    for pid in $(jobs -p); do kill "$pid" >/dev/null 2>&1 || true; done
    for pid in "${WIN_PIDS[@]}"; do wine "$ORVALEN_BIN/orvdriver.exe" kill "$pid" >/dev/null 2>&1 || true; done
    for pid in "${UNIX_PIDS[@]}"; do
        kill "$pid" >/dev/null 2>&1 || true
        wait "$pid" 2>/dev/null || true
    done
    # What the script started and is still there (a program it launched, a program that
    # one launched, a driver command): a Wine process whose server has gone can no
    # longer be asked to end, and would stay for good.
    [ -z "${ORVALEN_RUN_MARK:-}" ] || end_wine_processes "ORVALEN_RUN_MARK=$ORVALEN_RUN_MARK" session-services
    [ -z "$ICMP_CHANGED" ] || icmp_restore
}

# end_wine_processes NAME=VALUE [session-services]: ends, by their Unix ids, the Wine
# processes (programs and servers) whose environment holds NAME=VALUE; with
# "session-services" the desktop and the service processes that the first program of a
# session happens to start are left to the session.
end_wine_processes() {
    local want="$1" keep="${2:-}" p exe
    for p in /proc/[0-9]*; do
        exe="$(readlink "$p/exe" 2>/dev/null)" || continue
        [[ "$exe" == /usr/lib/wine/* ]] || continue
        tr '\0' '\n' <"$p/environ" 2>/dev/null | grep -qxF "$want" || continue
        if [ -n "$keep" ]; then
            tr '\0' ' ' <"$p/cmdline" 2>/dev/null |
                grep -qiE '\\windows\\system32\\(explorer|services|winedevice|plugplay|svchost|rpcss)\.exe' && continue
        fi
        kill -9 "${p#/proc/}" >/dev/null 2>&1 || true
    done
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The Windows path of a Unix path (Wine maps / to drive Z:).
winpath() {
    local p
    p="$(realpath -m "$1")"
    printf 'Z:%s' "${p//\//\\}"
}

# orvdriver.exe COMMAND ARGS... (see its usage), its answer without CRs.
drv() { wine "$ORVALEN_BIN/orvdriver.exe" "$@" 2>/dev/null | tr -d '\r'; }

# A loopback TCP port that nothing listens on.
free_port() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }

# The program's data folder for an application-data folder.
data_folder() { echo "$1/Carrowmede/Orvalen"; }

# Writes a main configuration file from stdin (Unix line ends become CR LF); the file
# of instance 0 unless named (MainConfBID1.ini is instance 1's, and so on).
write_main_ini() {
    local appdata="$1" name="${2:-MainConfAID1.ini}"
    mkdir -p "$(data_folder "$appdata")"
    sed 's/$/\r/' > "$(data_folder "$appdata")/$name"
}

# Starts the Windows program EXE with the given application-data folder and arguments
# ("": an empty APPDATA); its Windows process id is left in LAST_PID and remembered for
# cleanup (call it without $(...), so that the list stays in this shell).
start_program() {  # EXE APPDATA [ARG...]
    local exe="$1" appdata="$2"
    shift 2
    [ -z "$appdata" ] || appdata="$(winpath "$appdata")"
    # Output goes to a file: a pipe would stay open as long as Wine keeps the child.
    wine "$ORVALEN_BIN/orvdriver.exe" launch "$appdata" "$(winpath "$exe")" "$@" \
        >"$WORK_DIR/launch.out" 2>/dev/null </dev/null || true
    LAST_PID="$(tr -d '\r\n' <"$WORK_DIR/launch.out")"
    [ -n "$LAST_PID" ] || fail "could not start $(basename "$exe" .exe)"
    WIN_PIDS+=("$LAST_PID")
}

# Starts Orvalen (ORVALEN_EXE, by default the built one) as start_program does.
start_orvalen() {  # APPDATA [ARG...]
    start_program "${ORVALEN_EXE:-$ORVALEN_BIN/Orvalen.exe}" "$@"
}

# Starts a loopback fixture (a command that prints NAME=VALUE lines, then READY, and
# serves until SIGTERM), exports its values and remembers its process id for cleanup.
start_fixture() {
    local out="$WORK_DIR/fixture-${#UNIX_PIDS[@]}.out" line
    "$@" >"$out" 2>"$out.err" </dev/null &
    UNIX_PIDS+=($!)
    wait_until 10 grep -qx READY "$out"
    while IFS= read -r line; do
        [ "$line" = READY ] && break
        export "${line?}"
    done <"$out"
}

# unix_pid_of PATTERN: the Unix process id of a process of this session's Wine prefix
# whose command line holds PATTERN (a program's Windows path, "wineserver"); fails when
# there is none.
unix_pid_of() {
    local pattern="$1" p
    for p in /proc/[0-9]*; do
        [ -r "$p/cmdline" ] || continue
        case "$(tr '\0' ' ' <"$p/cmdline" 2>/dev/null)" in
            *"$pattern"*) ;;
            *) continue ;;
        esac
        tr '\0' '\n' <"$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" || continue
        echo "${p#/proc/}"
        return 0
    done
    return 1
}

# --- Waiting -----------------------------------------------------------------------------

# wait_until SECONDS COMMAND...: runs the command until it succeeds, every 0.1 s; fails
# (naming the command) when it has not within SECONDS (a fraction is allowed).
wait_until() {
    local seconds="$1" deadline_ms
    deadline_ms=$(($(date +%s%3N) + $(awk -v s="$seconds" 'BEGIN { print int(s * 1000) }')))
    shift
    until "$@"; do
        (($(date +%s%3N) < deadline_ms)) || fail "waited $seconds s in vain for: $*"
        sleep 0.1
    done
}
# Conditions for wait_until: the output of COMMAND... is WANT, or matches the glob PATTERN.
output_is() { [ "$("${@:2}")" == "$1" ]; }
output_like() { [[ "$("${@:2}")" == $1 ]]; }

# wait_exit PID [MS [WHAT]]: waits until the Windows process ends; fails after the time-out.
wait_exit() { drv wait-pid "$1" "${2:-20000}" >/dev/null || fail "process $1 (${3:-Orvalen}) did not end"; }

# Sourced by the run and test scripts: a private Wine prefix, a persistent wineserver
# and (when asked) an Xvfb display, all ended by process id on exit.
# Needs: BUILD_DIR, and scripts/lib/helpers.sh sourced first.

export WINEPREFIX="${WINEPREFIX_OVERRIDE:-$BUILD_DIR/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY ftp_proxy no_proxy

SESSION_PIDS=()

session_cleanup() {
    local pid
    wineserver -k >/dev/null 2>&1 || true
    # Processes of a server that died are not ended by it and would never end: every Wine
    # process of this prefix goes by its Unix id.
    end_wine_processes "WINEPREFIX=$WINEPREFIX"
    for pid in "${SESSION_PIDS[@]}"; do
        kill "$pid" >/dev/null 2>&1 || true
    done
    for pid in "${SESSION_PIDS[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
}

# Starts Xvfb on a free display and exports DISPLAY (XVFB_SCREEN: another screen size).
start_xvfb() {
    local n lock
    # Tests that make sessions of their own start side by side: one at a time chooses a
    # number and waits for its display, so two never take the same free number.
    exec {lock}>"/tmp/.orvalen-xvfb-choice.lock"
    flock "$lock"
    for n in $(seq 91 140); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            # Not inherited by Xvfb, which would keep the choice locked as long as it runs.
            Xvfb ":$n" -screen 0 "${XVFB_SCREEN:-1280x1024x24}" -nolisten tcp >/dev/null 2>&1 {lock}>&- &
            SESSION_PIDS+=($!)
            export DISPLAY=":$n"
            local i
            for i in $(seq 1 100); do
                [ -e "/tmp/.X11-unix/X$n" ] && { exec {lock}>&-; return 0; }
                sleep 0.05
            done
            exec {lock}>&-
            echo "Xvfb did not start on :$n" >&2
            return 1
        fi
    done
    exec {lock}>&-
    echo "no free X display" >&2
    return 1
}

# Creates the prefix when missing and keeps one wineserver running for the session.
start_wine() {
    mkdir -p "$WINEPREFIX"
    if [ ! -f "$WINEPREFIX/.orvalen-ready" ]; then
        wineboot -i >/dev/null 2>&1 </dev/null || true
        wineserver -w >/dev/null 2>&1 || true
        touch "$WINEPREFIX/.orvalen-ready"
    fi
    # Output of the persistent server goes nowhere, or CTest would wait on inherited pipes.
    wineserver -p </dev/null >/dev/null 2>&1 &
    SESSION_PIDS+=($!)
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
    # Xvfb has no window manager: Wine must move, minimise and restore every window itself
    # (a window it leaves to a manager never becomes iconic here).
    if [ ! -f "$WINEPREFIX/.orvalen-unmanaged" ]; then
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 || true
        touch "$WINEPREFIX/.orvalen-unmanaged"
    fi
}

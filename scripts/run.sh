#!/usr/bin/env bash
# Builds Orvalen and runs it under Wine. With no display, it runs it briefly on a
# private Xvfb screen and saves a screenshot.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
bash "$ROOT/scripts/bootstrap.sh"
bash "$ROOT/scripts/build.sh" Orvalen

if [ -n "${DISPLAY:-}" ]; then
    export WINEDEBUG="${WINEDEBUG:--all}"
    exec wine "$BUILD_DIR/bin/Orvalen.exe" "$@"
fi

source "$ROOT/scripts/lib/helpers.sh"
source "$ROOT/scripts/wine-session.sh"
trap session_cleanup EXIT
start_xvfb
start_wine
wine "$BUILD_DIR/bin/Orvalen.exe" "$@" </dev/null >/dev/null 2>&1 &
app_pid=$!
SESSION_PIDS+=($app_pid)
sleep "${RUN_SECONDS:-8}"
shot="$BUILD_DIR/orvalen-screenshot.png"
import -window root "$shot"
echo "Orvalen ran for ${RUN_SECONDS:-8} s on a private display; screenshot: $shot"

#!/usr/bin/env bash
# Builds Orvalen and runs every test under Wine, inside a network namespace that has
# only loopback, with a private Wine prefix and an Xvfb display of its own.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export BUILD_DIR="${BUILD_DIR:-$ROOT/build}"

if [ -z "${ORVALEN_IN_NETNS:-}" ]; then
    bash "$ROOT/scripts/bootstrap.sh"
    bash "$ROOT/scripts/build.sh"
    export ORVALEN_IN_NETNS=1
    if [ "$(id -u)" -eq 0 ]; then
        exec unshare -n -- bash "$0" "$@"
    else
        exec unshare -rn -- bash "$0" "$@"
    fi
fi

ip link set lo up
source "$ROOT/scripts/wine-session.sh"
trap session_cleanup EXIT
start_xvfb
start_wine

cd "$BUILD_DIR"
ctest --output-on-failure -j"${TEST_JOBS:-$(nproc)}" --timeout 600 "$@"

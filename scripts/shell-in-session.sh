#!/usr/bin/env bash
# For developers: runs a command inside the same session the tests use (loopback-only
# network namespace, private Wine prefix, Xvfb), e.g.
#   bash scripts/shell-in-session.sh bash tests/e2e/test_instances.sh
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
source "$ROOT/scripts/lib/helpers.sh"
enter_loopback_namespace "$@"
source "$ROOT/scripts/wine-session.sh"
trap session_cleanup EXIT
start_xvfb
start_wine
export ORVALEN_BIN="$BUILD_DIR/bin" ORVALEN_SRC="$ROOT" ORVALEN_BUILD="$BUILD_DIR"
"$@"

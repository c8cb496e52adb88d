#!/usr/bin/env bash
# Fails when program code or a unit test releases a handle by hand: every kind has an owner
# in framework/ (Handle.h, GdiHandles.h, Resolver.h) that releases it once, on every path,
# a failed assertion's early return included.
# Usage: check_releases.sh [folder...]  (default: the program's folders above framework/, and
# the unit tests with their support)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ "$#" -eq 0 ]; then
    set -- "$ROOT/app" "$ROOT/dialogs" "$ROOT/ui" "$ROOT/engine" "$ROOT/model" \
        "$ROOT/tests/unit" "$ROOT/tests/support"
fi
RELEASES='CloseHandle|ReleaseDC|DeleteObject|RegCloseKey|FindClose|DestroyIcon'
# Calls, not mentions: a whole-line comment may name them.
hits="$(grep -rnE --include='*.cpp' --include='*.h' "\\b($RELEASES)[[:space:]]*\\(" "$@" |
    grep -vE '^[^:]+:[0-9]+:[[:space:]]*//' || true)"
if [ -n "$hits" ]; then
    echo "Handles released by hand (use the owners of framework/Handle.h and GdiHandles.h):" >&2
    echo "$hits" >&2
    exit 1
fi
echo "no hand-written releases in: $*"

#!/usr/bin/env bash
# Builds Orvalen and runs every test under Wine, inside a network namespace that has
# only loopback, with a private Wine prefix and an Xvfb display of its own.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export BUILD_DIR="${BUILD_DIR:-$ROOT/build}"

source "$ROOT/scripts/lib/helpers.sh"

if outside_loopback_namespace; then
    bash "$ROOT/scripts/bootstrap.sh"
    bash "$ROOT/scripts/build.sh"
fi
enter_loopback_namespace "$@"
source "$ROOT/scripts/wine-session.sh"
trap session_cleanup EXIT
start_xvfb
start_wine

cd "$BUILD_DIR"
status=0
# A test that fails is run once more before it counts as failed, as a last guard; every
# failed try is still printed above its retry, and a test that needed it is counted below:
# it is a fault to find, in the program or in the test.
ctest --output-on-failure -j"${TEST_JOBS:-$(nproc)}" --timeout 600 --repeat until-pass:2 "$@" 2>&1 |
    tee "$BUILD_DIR/ctest-output.txt" || status=$?
# A test's result lines: "Test #N: name ....   Passed" or "....***Failed" (also "***Timeout",
# "***Exception"); a retried test has a failed line before its last.
awk '/Test +#[0-9]+: / {
        name = $0; sub(/.*Test +#[0-9]+: /, "", name); sub(/ .*/, "", name)
        last[name] = ($0 ~ /\*\*\*/) ? "failed" : "passed"
        if (last[name] == "failed") failedOnce[name] = 1
     }
     END {
        n = 0; list = ""
        for (t in failedOnce) if (last[t] == "passed") { n++; list = list " " t }
        printf "tests that needed their retry: %d%s\n", n, list
     }' "$BUILD_DIR/ctest-output.txt"

# The size of the tests against the program's own source, in non-blank lines of the files
# git knows: tests = tests/; program = the code, the resource script and headers, and the
# generator of our pictures and sounds (scripts/resgen/). The benchmark (bench/) is neither.
count_lines() {
    git -C "$ROOT" ls-files -- "$@" | while read -r f; do
        [ -f "$ROOT/$f" ] && grep -cv '^[[:space:]]*$' "$ROOT/$f" || true
    done | awk '{s += $1} END {print s + 0}'
}
tests=$(count_lines 'tests/*')
program=$(count_lines 'framework/*' 'model/*' 'engine/*' 'app/*' 'dialogs/*' 'res/*.rc' 'res/*.h' 'scripts/resgen/*')
echo "tests $tests non-blank lines, program $program: tests are $((program > 0 ? tests * 100 / program : 0))% of the program"
exit $status

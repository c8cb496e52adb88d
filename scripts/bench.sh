#!/usr/bin/env bash
# Measures the real Orvalen.exe under Wine and writes the figures of BENCHMARKS.md:
#   bash scripts/bench.sh                 every figure (about 35 minutes)
#   bash scripts/bench.sh timeouts cost   only the figures named
# Figures: timeouts accuracy startup cost soak badinput; requests and floor run only
# when named. BENCH_MINUTES sets the length of the cost and soak runs (10 by default).
# Everything runs in a network namespace of its own with only loopback, a Wine prefix of
# its own and an Xvfb screen of its own; the results go to build/bench/ (report.md and the
# raw samples).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
ALL_FIGURES=(timeouts accuracy startup cost soak badinput)
if [ "${1:-}" = --help ] || [ "${1:-}" = -h ]; then
    sed -n '2,/^set /{/^#/s/^# \{0,1\}//p}' "$0"  # the comment above
    exit 0
fi

source "$ROOT/scripts/lib/helpers.sh"

if outside_loopback_namespace; then
    # With the reference tools the figures are compared with.
    bash "$ROOT/scripts/bootstrap.sh" iputils-ping fping curl
    bash "$ROOT/scripts/build.sh"
fi
enter_loopback_namespace "$@"
export BENCH_DIR="$BUILD_DIR/bench"
mkdir -p "$BENCH_DIR"
# A prefix of its own: its wineserver must live in this namespace, and the benchmark
# switches off the crash dialog (a crash must end the process, not wait for a click).
# Two benchmark runs at once need two prefixes (BENCH_PREFIX).
export WINEPREFIX_OVERRIDE="${BENCH_PREFIX:-$BENCH_DIR/wineprefix}"
# Wide enough for a row of 70 boxes, so every box can be read off the screen.
export XVFB_SCREEN="4400x600x24"
source "$ROOT/scripts/wine-session.sh"
trap session_cleanup EXIT
start_xvfb
start_wine
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1 || true

figures=("$@")
[ ${#figures[@]} -gt 0 ] || figures=("${ALL_FIGURES[@]}")
for figure in "${figures[@]}"; do
    [ -f "$ROOT/bench/$figure.sh" ] || { echo "no such figure: $figure (${ALL_FIGURES[*]})" >&2; exit 2; }
done
for figure in "${figures[@]}"; do
    echo "== $figure ($(date +%T))"
    mkdir -p "$BENCH_DIR/$figure"
    bash "$ROOT/bench/$figure.sh" "$BENCH_DIR/$figure" | tee "$BENCH_DIR/$figure/figure.md"
done
python3 "$ROOT/bench/report.py" "$BENCH_DIR" "${ALL_FIGURES[@]}" >"$BENCH_DIR/report.md"
echo "report: $BENCH_DIR/report.md"

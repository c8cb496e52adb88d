#!/usr/bin/env bash
# Configures and builds Orvalen and its tests with the MinGW-w64 cross toolchain.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
# Configured every time: new test folders and tools are picked up by globbing.
cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)" -- --no-print-directory "$@" | grep -v '^\[' || true
test "${PIPESTATUS[0]}" -eq 0

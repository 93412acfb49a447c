#!/usr/bin/env bash
# Cross-builds the Windows program, its tests and the benchmark with MinGW-w64.
# Usage: scripts/build-windows.sh [build-dir]   (the result lands in <build-dir>/windows/bin)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cmake -S "$root" -B "$build/windows" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build/windows" -j "${VENNICK_JOBS:-2}"

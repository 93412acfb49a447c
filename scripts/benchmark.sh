#!/usr/bin/env bash
# Runs the benchmarks under Wine (not tests; figures, not verdicts):
#   scripts/benchmark.sh [helpers=40] [modules=25] [rounds=9]
#     the search against a bare walk of the same process-status calls;
#   then the results list taking 10,000 rows (on a virtual X server).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VENNICK_BUILD_DIR:-$root/build}
"$root/scripts/setup-debian.sh" "$build"
"$root/scripts/build-windows.sh" "$build" >/dev/null
. "$root/scripts/wine-env.sh" "$build"
. "$root/scripts/virtual-display.sh"
start_virtual_display
trap 'wineserver -k 2>/dev/null || true; stop_virtual_display' EXIT
wineserver -k 2>/dev/null || true
wine "$build/windows/bin/search_benchmark.exe" "$@"
wine "$build/windows/bin/results_list_benchmark.exe"

#!/usr/bin/env bash
# Runs the search benchmark under Wine: scripts/benchmark.sh [helpers] [modules] [rounds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VENNICK_BUILD_DIR:-$root/build}
"$root/scripts/setup-debian.sh" "$build"
"$root/scripts/build-windows.sh" "$build"
. "$root/scripts/wine-env.sh" "$build"
wine "$build/windows/bin/search_benchmark.exe" "$@"

#!/usr/bin/env bash
# Builds the distributable for Windows users: build/windows/vennick-1.02.0024-win64.zip
# with vennick.exe and a short read-me (packaging/README-Windows.txt).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VENNICK_BUILD_DIR:-$root/build}
"$root/scripts/setup-debian.sh" "$build"
"$root/scripts/build-windows.sh" "$build"
cmake --build "$build/windows" --target package

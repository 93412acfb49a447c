#!/usr/bin/env bash
# Builds the distributable for Windows users: build/windows/vennick-<version>-win64.zip
# with vennick.exe and a short read-me (packaging/README-Windows.txt.in).
set -euo pipefail
. "$(dirname "$0")/session.sh"
prepare_windows_build
cmake --build "$build/windows" --target package

#!/usr/bin/env bash
# Builds everything and runs every test, on a fresh Debian 12 machine too:
#   1. the plain logic natively, with AddressSanitizer/UBSan, plus bounded fuzzing; what
#      runs on several threads again under ThreadSanitizer;
#   2. the Windows program cross-built with MinGW-w64, its tests run under Wine with a
#      virtual X server (the window tests need a display).
# Usage: scripts/test.sh            (build folder: ./build, or $VENNICK_BUILD_DIR)
#        VENNICK_TESTS=<ctest -R regex> scripts/test.sh   to run some tests only
set -euo pipefail
. "$(dirname "$0")/session.sh"
jobs=${VENNICK_JOBS:-2}
filter=(); [ -n "${VENNICK_TESTS:-}" ] && filter=(-R "$VENNICK_TESTS")

"$root/scripts/setup-debian.sh" "$build"

echo "== native build: plain logic, sanitizers, fuzzing"
cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DVENNICK_SANITIZE=ON -DVENNICK_FUZZ=ON >/dev/null
cmake --build "$build/native" -j "$jobs"
ctest --test-dir "$build/native" --output-on-failure -j "$jobs" "${filter[@]}"

echo "== native build: what runs on several threads, under ThreadSanitizer"
cmake -S "$root" -B "$build/native-threads" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DVENNICK_SANITIZE_THREADS=ON >/dev/null
cmake --build "$build/native-threads" -j "$jobs" --target logic_tests
ctest --test-dir "$build/native-threads" --output-on-failure -R "^(Parallel|ModuleFiles)\." "${filter[@]}"

echo "== Windows build (MinGW-w64), tests under Wine"
"$root/scripts/build-windows.sh" "$build"
start_wine_session
ctest --test-dir "$build/windows" --output-on-failure "${filter[@]}"

echo "== the distributable"
cmake --build "$build/windows" --target package >/dev/null
package=$(sed -n 's/^set(CPACK_PACKAGE_FILE_NAME "\(.*\)")$/\1/p' "$build/windows/CPackConfig.cmake")
unzip -Z1 "$build/windows/$package.zip" | sort | tr '\n' ' ' | grep -qx 'README.txt vennick-cli.exe vennick.exe ' ||
  { echo "the zip does not hold exactly vennick.exe, vennick-cli.exe and README.txt" >&2; exit 1; }

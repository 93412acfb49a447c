#!/usr/bin/env bash
# at_dpi.sh <dpi> <program> [argument...]: runs a GoogleTest program under Wine with the screen at <dpi> (read when a
# program starts), on a desktop of its own as large as the X screen (at 200 % the window is taller than 768 pixels).
set -euo pipefail
key='HKCU\Control Panel\Desktop'
trap 'wine reg delete "$key" /v LogPixels /f >/dev/null 2>&1 || true' EXIT
wine reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
# Wine's explorer does not hand on the exit code: the report tells; the test fails if the window saw another DPI.
report=$(VENNICK_EXPECTED_DPI=$1 wine explorer "/desktop=vennick-$1-dpi,1280x1024" "${@:2}" 2>&1)
echo "$report"
grep -q '^\[  PASSED  \]' <<<"$report" && ! grep -q '^\[  FAILED  \]' <<<"$report"

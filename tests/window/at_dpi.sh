#!/usr/bin/env bash
# Runs a GoogleTest program under Wine with the screen at the given DPI, which Wine
# reads when a program starts, on a desktop of its own as large as the virtual X
# screen (a window at 200 % is taller than the usual 1024x768 one); sets the DPI back
# afterwards. Passes when the program reports that its tests passed.
#   at_dpi.sh <dpi> <program> [argument...]
# Needs the Wine environment (scripts/wine-env.sh), as the test run sets.
set -euo pipefail
dpi=$1
shift
key='HKCU\Control Panel\Desktop'
trap 'wine reg delete "$key" /v LogPixels /f >/dev/null 2>&1 || true' EXIT
wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
# The test fails if the program sees another DPI: a Wine that ignored the setting.
# Wine's explorer does not hand on the program's exit code: its report tells.
report=$(VENNICK_EXPECTED_DPI=$dpi wine explorer "/desktop=vennick-$dpi-dpi,1280x1024" "$@" 2>&1)
echo "$report"
grep -q '^\[  PASSED  \]' <<<"$report" && ! grep -q '^\[  FAILED  \]' <<<"$report"

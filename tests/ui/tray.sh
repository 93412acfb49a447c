#!/usr/bin/env bash
# The real tray icon in Wine's virtual desktop: the program starts with a command line,
# its minimize button is clicked, the icon appears in the taskbar's notification area
# with its tooltip, and a click on the icon brings the window back. Screenshots of each
# step go to the given folder.
#   tray.sh <bin-folder> <screenshot-folder>
# Needs DISPLAY and the Wine environment (scripts/wine-env.sh), as the test run sets.
# The positions are those of the 1024x768 desktop with the window centred on it.
set -euo pipefail
bin=$1
shots=$2
mkdir -p "$shots"
trap 'kill $program 2>/dev/null || true' EXIT

shot() { sleep "${2:-2}"; import -window root -crop 1024x768+0+0 "$shots/$1.png"; }
fail() { echo "tray: $*" >&2; exit 1; }
# The number of colours in a region of a screenshot (1: nothing but the desktop).
colours() { convert "$shots/$1.png" -crop "$2" -format %k info:; }

wine "$bin/vennick.exe" kernel32.dll &
program=$!
sleep 5
shot tray-window 0
[ "$(colours tray-window 200x200+412+284)" -gt 1 ] || fail "no window in the middle of the desktop"
[ "$(colours tray-window 40x20+984+748)" -eq 1 ] || fail "a tray icon before minimizing"

xdotool mousemove 716 185 click 1  # the window's minimize button
shot tray-minimized
[ "$(colours tray-minimized 200x200+412+284)" -eq 1 ] || fail "the window did not hide"
[ "$(colours tray-minimized 24x20+1000+748)" -gt 2 ] || fail "no tray icon after minimizing"

xdotool mousemove 1010 757
shot tray-tooltip 3

xdotool click 1
shot tray-restored
[ "$(colours tray-restored 200x200+412+284)" -gt 1 ] || fail "the window did not come back"
[ "$(colours tray-restored 24x20+1000+748)" -le 2 ] || fail "the icon stayed after the window came back"
echo "tray: passed; screenshots in $shots"

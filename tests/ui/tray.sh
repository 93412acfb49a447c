#!/usr/bin/env bash
# tray.sh <bin-folder> <screenshot-folder>: the real tray icon in Wine's virtual desktop (1024x768, the window centred):
# the program's minimize button clicked, the icon in the taskbar with its tooltip, a click on it brings the window back.
set -euo pipefail
shots=$2
mkdir -p "$shots"
trap 'kill $program 2>/dev/null || true' EXIT
shot() { sleep "${2:-2}"; import -window root -crop 1024x768+0+0 "$shots/$1.png"; }
fail() { echo "tray: $*" >&2; exit 1; }
colours() { convert "$shots/$1.png" -crop "$2" -format %k info:; }  # 1: nothing but the desktop

wine "$1/vennick.exe" kernel32.dll &
program=$!
sleep 5
shot tray-window 0
[ "$(colours tray-window 200x200+412+284)" -gt 1 ] || fail "no window in the middle of the desktop"
[ "$(colours tray-window 40x20+984+748)" -eq 1 ] || fail "a tray icon before minimizing"
xdotool mousemove 716 162 click 1  # the window's minimize button
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

#!/usr/bin/env bash
# Starts Vennick on a virtual X server inside Wine's virtual desktop, types a module
# specification, presses Enter and saves a picture of the desktop with the window:
#   scripts/screenshot.sh [specification=kernel32.dll] [output=build/screenshots/search.png]
set -euo pipefail
. "$(dirname "$0")/session.sh"
spec=${1:-kernel32.dll}
output=${2:-$build/screenshots/search.png}
prepare_windows_build
start_wine_session

wine "$build/windows/bin/vennick.exe" &
sleep 5
# Without a window manager the keyboard goes to the window under the pointer.
xdotool mousemove 512 100
xdotool type --delay 50 "$spec"
xdotool key Return
sleep 4
mkdir -p "$(dirname "$output")"
import -window root -crop 1024x768+0+0 "$output"
echo "screenshot: $output"

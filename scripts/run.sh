#!/usr/bin/env bash
# Builds Vennick and starts it under Wine.
#   With a display (DISPLAY set): the program opens there; arguments are its command line.
#   Without one: it runs on a virtual X server, and after a few seconds a screenshot of
#   Wine's virtual desktop with the window is saved to build/screenshots/vennick.png.
# Usage: scripts/run.sh [module-specification]
set -euo pipefail
. "$(dirname "$0")/session.sh"
prepare_windows_build
program="$build/windows/bin/vennick.exe"

if [ -n "${DISPLAY:-}" ]; then
  . "$root/scripts/wine-env.sh" "$build"
  exec wine "$program" "$@"
fi

start_wine_session
wine "$program" "$@" &
sleep "${VENNICK_SHOT_DELAY:-6}"
mkdir -p "$build/screenshots"
import -window root -crop 1024x768+0+0 "$build/screenshots/vennick.png"
echo "screenshot: $build/screenshots/vennick.png"

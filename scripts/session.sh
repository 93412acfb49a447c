# Sourced by the other scripts: the project's folders, and the steps they share.
#   root, build            the source tree and the build folder (VENNICK_BUILD_DIR)
#   prepare_windows_build  installs what is missing, cross-builds the Windows programs
#   start_wine_session     the project's Wine prefix on a virtual X server, with one
#                          wineserver for the whole session; both end with the script
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VENNICK_BUILD_DIR:-$root/build}

prepare_windows_build() {
  "$root/scripts/setup-debian.sh" "$build"
  "$root/scripts/build-windows.sh" "$build" >/dev/null
}

start_wine_session() {
  . "$root/scripts/wine-env.sh" "$build"
  local fd_file
  fd_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
  session_display_pid=$!
  for _ in $(seq 1 50); do
    [ -s "$fd_file" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(head -n1 "$fd_file")"
  rm -f "$fd_file"
  trap 'wineserver -k 2>/dev/null || true; kill $session_display_pid 2>/dev/null || true' EXIT
  # A wineserver left from a run without this display must not serve this one; and one
  # server for the whole session spares every program its start.
  wineserver -k 2>/dev/null || true
  wineserver -p
  wine cmd /c exit
}

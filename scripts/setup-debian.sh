#!/usr/bin/env bash
# Prepares a Debian 12 machine for building and testing Vennick:
#   - installs the missing packages (cross compilers, 64- and 32-bit Wine, Xvfb, test
#     tools); the 32-bit side needs the i386 architecture, which it adds;
#   - generates the Russian locale (the Windows tests need code pages 1251/866);
#   - creates the project's own Wine prefix under the build folder, with Wine's fonts.
# Safe to run again: every step is skipped when its result is already there.
# Usage: scripts/setup-debian.sh [build-dir]   (default: build)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}

packages=(
  cmake make g++ clang libclang-rt-14-dev googletest
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64 wine32:i386
  xvfb xauth xdotool imagemagick fonts-wine locales unzip
)

sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# The tests run 32-bit programs next to the 64-bit one, as on a user's 64-bit Windows.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "setup: adding the i386 architecture"
  sudo_if_needed dpkg --add-architecture i386  # wine32:i386 is then missing: apt updates below
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_if_needed apt-get update -qq
  sudo_if_needed env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  echo "setup: generating the ru_RU.UTF-8 locale"
  sudo_if_needed localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
fi

# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh" "$build"
# A prefix made before 32-bit Wine was installed has no 32-bit side: make it anew.
if [ -f "$WINEPREFIX/system.reg" ] && [ ! -d "$WINEPREFIX/drive_c/windows/syswow64" ]; then
  echo "setup: the Wine prefix lacks its 32-bit side; creating it again"
  wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "setup: creating the Wine prefix $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi
# Every program of the prefix runs inside one virtual desktop: windows get frames, a
# taskbar and a tray without a window manager, and no X focus round trips.
if ! grep -q '"Default"="1024x768"' "$WINEPREFIX/user.reg" 2>/dev/null; then
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  wineserver -w
fi
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ ! -f "$fonts/tahoma.ttf" ]; then
  mkdir -p "$fonts"
  cp /usr/share/wine/fonts/* "$fonts/"
fi

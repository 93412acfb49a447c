#!/usr/bin/env bash
# real_dialogs.sh <bin-folder> <screenshot-folder>: the real program, started from a folder with spaces and searching its
# command line, its actions' real dialogs driven by keystrokes on the X server, with screenshots: the save dialog (opens
# in the current directory; a name typed without extension gets .BAT), the success message, the terminate confirmation
# answered Cancel; Esc ends the program with exit code 0.
set -euo pipefail
shots=$2
mkdir -p "$shots"
work=$(mktemp -d)
trap 'kill $helper $program 2>/dev/null || true; rm -rf "$work"' EXIT
shot() { sleep "${2:-2}"; import -window root -crop 1024x768+0+0 "$shots/$1.png"; }
keys() { xdotool mousemove 512 60; xdotool key --delay 150 "$@"; }
fail() { echo "real_dialogs: $*" >&2; exit 1; }

wine "$1/vennick_test_helper.exe" --lifetime 120 &
helper=$!
mkdir "$work/My Tools" && cp "$1/vennick.exe" "$work/My Tools/"
cd "$work"
wine "$work/My Tools/vennick.exe" "  vennick_test_helper.exe " &
program=$!
shot search 6
keys Tab Tab Tab space  # past "Найти" and the list: "Сохранить BAT"
shot save-dialog
xdotool type --delay 40 "restart"
keys Return
shot saved
# Windows writes the extension as given, Wine in lower case.
batch=$(find "$work" -maxdepth 1 -iname restart.bat)
[ -n "$batch" ] || fail "no restart.bat in the current directory: $(ls "$work")"
head -c 35 "$batch" | grep -q '^IF "%OS%"=="Windows_NT" GOTO WIN_NT$' || fail "unexpected batch text"
grep -q 'START "" ".*vennick_test_helper.exe"' "$batch" || fail "the helper is not in the batch file"
keys Return
keys Tab space
shot kill-confirmation
keys Escape
sleep 1
kill -0 $helper 2>/dev/null || fail "Cancel terminated the helper"
keys Escape
for _ in $(seq 1 50); do kill -0 $program 2>/dev/null || break; sleep 0.2; done
kill -0 $program 2>/dev/null && fail "Esc did not close the program"
wait $program || fail "exit code $?"
echo "real_dialogs: passed; screenshots in $shots"

# Sourced by the other scripts: the environment of the project's own Wine prefix.
# Usage: . scripts/wine-env.sh <build-dir>
export WINEPREFIX="$(realpath -m "$1")/wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The program speaks Russian; under this locale Wine's ANSI/OEM code pages are 1251/866.
export LC_ALL=ru_RU.UTF-8

#!/usr/bin/env bash
# Runs a Windows test program of the cross build under Wine and passes on its exit status.
# CMake puts this script in front of every test command of a Windows build, so ctest runs the
# suite as it would on Windows.
#
#   wine-run.sh DLL_FOLDERS PROGRAM.exe [ARGUMENTS...]
#
# DLL_FOLDERS, separated by colons, hold the DLLs of Qt and of the MinGW runtime.
# Under Wine a console program's report only reaches us through a file, so the Qt Test report
# is written to one and printed afterwards. The Wine prefix lives in the build folder (or
# where WINEPREFIX points) and is made once, before the first program runs.
set -uo pipefail

dll_folders=$1
program=$2
shift 2

build_folder=$(cd "$(dirname "$program")" && while [ ! -f CMakeCache.txt ] && [ "$PWD" != / ]; do cd ..; done && pwd)
export WINEPREFIX=${WINEPREFIX:-$build_folder/wine-prefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
WINEPATH=
IFS=: read -ra folders <<<"$dll_folders"
for folder in "${folders[@]}"; do
    WINEPATH+="${WINEPATH:+;}$(windows_path "$folder")"
done
export WINEPATH
# Test programs use the offscreen platform and need no display; an X server left in the
# environment would only slow Wine down.
unset DISPLAY WAYLAND_DISPLAY

# Two tests starting at once must not both build the prefix.
(
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot --init >/dev/null 2>&1
        wineserver --wait
    fi
) 9>"$build_folder/wine-prefix.lock"

report=$(mktemp "${TMPDIR:-/tmp}/vmm-wine-report.XXXXXX")
trap 'rm -f "$report"' EXIT
wine "$program" "$@" -o "Z:${report},txt"
status=$?
cat "$report"
exit "$status"

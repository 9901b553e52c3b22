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

# Wine hands no QT_ variable of the Unix environment to Windows programs, so the prefix itself
# gives every program in it (the tests and the stand-in game they start) the platform the
# tests ask for.
platform=${QT_QPA_PLATFORM:-offscreen}
settings="QT_QPA_PLATFORM=$platform"
# Two tests starting at once must not both set up the prefix.
(
    flock 9
    if [ "$(cat "$WINEPREFIX/vmm-settings" 2>/dev/null)" != "$settings" ]; then
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            timeout 180 wineboot --init </dev/null >/dev/null 2>&1
        fi
        timeout 60 wine reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d "$platform" /f </dev/null >/dev/null 2>&1
        echo "$settings" >"$WINEPREFIX/vmm-settings"
    fi
) 9>"$build_folder/wine-prefix.lock"

# A program that hangs is ended here, before ctest's own time-out, so that its report up to
# the hang is still shown. Its own output goes to a file too: Wine's helper processes, and any
# program a test leaves running, would otherwise hold ctest's pipe open long after the test.
report=$(mktemp "${TMPDIR:-/tmp}/vmm-wine-report.XXXXXX")
output=$(mktemp "${TMPDIR:-/tmp}/vmm-wine-output.XXXXXX")
trap 'rm -f "$report" "$output"' EXIT
run_program() {
    timeout --kill-after=10 "${VMM_WINE_TIMEOUT:-240}" \
        wine "$program" "$@" -o "Z:${report},txt" </dev/null >"$output" 2>&1
}
run_program "$@"
status=$?
# Qt Test writes its report's first line before any test runs. A program that fails at once
# with none never came as far as our code: once a test program ended within 0.02 s, long before
# Wine can even load Qt, with neither report nor output. Such a start is made once more, with
# Wine's own errors shown, and both attempts are reported.
if [ "$status" -ne 0 ] && [ "$status" -ne 124 ] && [ "$status" -ne 137 ] && [ ! -s "$report" ]; then
    echo "$(basename "$program") ended with status $status before its report began, so no test" \
        "of it ran; Wine's output, then a second start with Wine's errors shown:"
    cat "$output"
    WINEDEBUG=err+all run_program "$@"
    status=$?
fi
cat "$report"
if [ "$status" -ne 0 ]; then
    cat "$output"
    [ "$status" -ne 124 ] || echo "$(basename "$program") did not end within ${VMM_WINE_TIMEOUT:-240}s"
fi
exit "$status"

#!/usr/bin/env bash
# Smoke test of the portable Windows folder: unpacks the zip as a player would, points the
# tool at a small game beside it, starts the packaged executable under Wine on a virtual
# screen with nothing but the folder's own DLLs, saves a picture of the main window to
# BUILD/windows-folder-screenshot.png, closes the window with Alt+F4 and expects exit status 0;
# starts a set through --launch and expects the game to get its mods; then starts it once more
# without the campaign mod folder and expects its status, 3. Then installs the setup silently,
# starts the installed tool on a set in %APPDATA% and uninstalls it again.
# Usage: scripts/smoke-test-windows-folder.sh WINDOWS-BUILD-FOLDER
set -euo pipefail

title="Varnhold Mod Manager"

if [ "${1:-}" != "--on-virtual-screen" ]; then
    build=$(cd "$1" && pwd)
    exec xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24 -noreset" \
        "$0" --on-virtual-screen "$build"
fi

build=$2
zip=$build/varnhold-mod-manager-windows.zip
screenshot=$build/windows-folder-screenshot.png
[ -f "$zip" ] || { echo "No portable folder at $zip" >&2; exit 1; }
rm -f "$screenshot"

place=$(mktemp -d "${TMPDIR:-/tmp}/vmm-windows-smoke.XXXXXX")
pid=
cleanup() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    rm -rf "$place"
}
trap cleanup EXIT

(cd "$place" && cmake -E tar xf "$zip")
tool=$place/varnhold-mod-manager-windows
game=$place/game
mkdir -p "$game/mods/multiplay" "$game/mods/campaign" "$game/mods/global"
cp "$build/tools/standin-game/varnhold.exe" "$game/"
# The stand-in game is a Qt program too; it finds Qt where the folder has it, beside itself.
cp "$tool"/*.dll "$game/"
cp -r "$tool/platforms" "$game/"
for name in "Coastal Maps.zip" "Night Raids.zip" "Välheim Hüs.pak"; do
    echo demo >"$game/mods/multiplay/$name"
done
echo demo >"$game/mods/campaign/Ashen Crown.zip"
echo demo >"$game/mods/global/HD Textures.pak"
printf '[Video]\r\nresolution=1280x720\r\n' >"$game/varnhold.cfg"
# Wine shows the Linux file system as drive Z:.
printf '[Paths]\r\nExecutablePath=Z:%s\r\nModFolderPath=Z:%s\r\nConfigFilePath=Z:%s\r\n' \
    "$game/varnhold.exe" "$game/mods" "$game/varnhold.cfg" >"$tool/options.ini"

# A prefix of its own: the one the tests use gives every program the offscreen platform.
export WINEPREFIX=$build/wine-smoke-prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES=mscoree,mshtml=
unset WINEPATH QT_QPA_PLATFORM
start_tool() {
    (cd "$tool" && exec wine ./varnhold-mod-manager.exe) </dev/null >>"$place/wine.log" 2>&1 &
    pid=$!
}

# Waits for a visible window of that title and prints its id; prints nothing if none came.
wait_for_window() {
    local found
    for _ in $(seq 1 240); do
        found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        if [ -n "$found" ] || ! kill -0 "$pid" 2>/dev/null; then
            break
        fi
        sleep 0.5
    done
    echo "$found"
}

# Waits for the tool to end; sets exit_status, empty if it did not end. Runs in this shell,
# the tool's parent, which alone can collect its status.
wait_for_exit() {
    exit_status=
    for _ in $(seq 1 60); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid" && exit_status=0 || exit_status=$?
            pid=
            return
        fi
        sleep 0.5
    done
}

expect_exit() { # status, what happened
    wait_for_exit
    if [ "$exit_status" != "$1" ]; then
        echo "The packaged tool ended with status '${exit_status:-none}' $2; expected $1." >&2
        exit 1
    fi
    echo "The packaged tool ended with status $1 $2."
}

start_tool
window=$(wait_for_window "$title")
if [ -z "$window" ]; then
    echo "The packaged tool did not show its main window." >&2
    cat "$place/wine.log" >&2
    exit 1
fi
sleep 2 # let the first paint finish
import -window "$window" "$screenshot"
echo "The packaged tool shows its main window: $screenshot"
xdotool key --window "$window" alt+F4 2>/dev/null
expect_exit 0 "after its window was closed"

# A set started from the command line, as its desktop shortcut starts it: the game gets the
# set's mods and options, and the tool ends with status 0 without showing its window.
mkdir -p "$tool/Set Files"
printf '[SettingMP]\r\nMod0=Night Raids.zip\r\nCount=1\r\n[SettingSP]\r\nCount=0\r\n[SettingGlobal]\r\nMod0=HD Textures.pak\r\nCount=1\r\n[General]\r\nOtherCommands=-windowed\r\n' \
    >"$tool/Set Files/Two Words.set"
rm -f "$game/launches.log"
(cd "$tool" && VARNHOLD_STANDIN_NO_WINDOW=1 exec wine ./varnhold-mod-manager.exe --launch "Two Words") \
    </dev/null >>"$place/wine.log" 2>&1 &
pid=$!
expect_exit 0 "after starting the set Two Words"
expected=$'--mod_mp=Night Raids.zip\n--mod=HD Textures.pak\n-windowed'
for _ in $(seq 1 60); do
    [ "$(tail -n 3 "$game/launches.log" 2>/dev/null | tr -d '\r')" = "$expected" ] && break
    sleep 0.5
done
if [ "$(tail -n 3 "$game/launches.log" 2>/dev/null | tr -d '\r')" != "$expected" ]; then
    echo "The game was not started with the set's mods; it recorded:" >&2
    cat "$game/launches.log" >&2 || true
    exit 1
fi
echo "The packaged tool started the set Two Words."

# A missing mod subfolder is reported, and once the message is confirmed the tool ends with
# that subfolder's status.
rm -r "$game/mods/campaign"
start_tool
message=$(wait_for_window "Varnhold locations")
if [ -z "$message" ]; then
    echo "The packaged tool did not report the missing campaign folder." >&2
    exit 1
fi
xdotool key --window "$message" Return 2>/dev/null
expect_exit 3 "after reporting the missing campaign folder"

# The setup, from the same build: a silent install into a folder of the prefix, the installed
# tool keeping the player's files in %APPDATA%, and a silent uninstall that leaves no program
# file and the player's files as they were.
setup=$(echo "$build"/varnhold-mod-manager-*-windows-setup.exe)
[ -f "$setup" ] || { echo "No setup in $build" >&2; exit 1; }
installed=$WINEPREFIX/drive_c/vmm-setup-test
appdata="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Varnhold Mod Manager"
rm -rf "$installed" "$appdata"
wine "$setup" /S '/D=C:\vmm-setup-test' </dev/null >>"$place/wine.log" 2>&1
wineserver -w
[ -f "$installed/varnhold-mod-manager.exe" ] && [ -f "$installed/platforms/qwindows.dll" ] ||
    { echo "The setup installed nothing into C:\\vmm-setup-test." >&2; exit 1; }
wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\varnhold-mod-manager' \
    /v DisplayVersion </dev/null 2>/dev/null | grep -q DisplayVersion ||
    { echo "The setup registered no uninstaller." >&2; exit 1; }
mkdir -p "$appdata"
mv "$tool/options.ini" "$tool/Set Files" "$appdata/"
mkdir -p "$game/mods/campaign"
rm -f "$game/launches.log"
(cd "$installed" && VARNHOLD_STANDIN_NO_WINDOW=1 exec wine ./varnhold-mod-manager.exe --launch "Two Words") \
    </dev/null >>"$place/wine.log" 2>&1 &
pid=$!
expect_exit 0 "installed, after starting the set Two Words from %APPDATA%"
for _ in $(seq 1 60); do
    [ "$(tail -n 3 "$game/launches.log" 2>/dev/null | tr -d '\r')" = "$expected" ] && break
    sleep 0.5
done
[ "$(tail -n 3 "$game/launches.log" 2>/dev/null | tr -d '\r')" = "$expected" ] ||
    { echo "The installed tool did not start the set from %APPDATA%." >&2; exit 1; }
wine "$installed/uninstall.exe" /S </dev/null >>"$place/wine.log" 2>&1
wineserver -w
if [ -e "$installed" ] || [ ! -f "$appdata/options.ini" ]; then
    echo "The uninstaller left $(find "$installed" 2>/dev/null | head -n 5) or took options.ini." >&2
    exit 1
fi
echo "The setup installed the tool silently, the tool ran, and the uninstaller removed it."

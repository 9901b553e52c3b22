#!/usr/bin/env bash
# Makes the Debian package from a finished build and checks it: lintian finds no error (its
# warnings are shown), the AppStream metainfo and the desktop entry validate. Then the package
# is unpacked into the build folder, never into the system, and the unpacked tool starts a set
# on a virtual screen with a home of its own: it must read options.ini and the set from the
# player's XDG folders, write options.ini back there and put nothing beside its executable.
# Usage: scripts/test-debian-package.sh BUILD-FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
project=$(cd "$(dirname "$0")/.." && pwd)
fail() { echo "Debian package: $*" >&2; exit 1; }

rm -rf "$build/dist"
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(echo "$build"/dist/varnhold-mod-manager_*_amd64.deb)
[ -f "$deb" ] || fail "cpack made no package"
echo "Made $deb"
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian reports errors"
dpkg-deb -f "$deb" Depends | grep -q 'fonts-liberation' || fail "no dependency on fonts-liberation"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "no dependency on Qt's libraries"

test=$build/deb-test
rm -rf "$test"
root=$test/root
mkdir -p "$root"
dpkg-deb -x "$deb" "$root"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null ||
    fail "the metainfo does not validate: $(appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml)"
found=$(desktop-file-validate "$root"/usr/share/applications/*.desktop 2>&1) || true
[ -z "$found" ] || fail "desktop-file-validate: $found"

tool=$root/usr/bin/varnhold-mod-manager
version=$(sed -n 's/^project(VarnholdModManager VERSION \([0-9.]*\).*/\1/p' "$project/CMakeLists.txt")
[ "$("$tool" --version)" = "varnhold-mod-manager $version" ] || fail "--version says $("$tool" --version)"

# A demo game and its set, and the options in a form the tool rewrites (one blank for two).
"$project/scripts/lay-out-demo.sh" "$build" "$test/demo" >/dev/null
home=$test/home
config=$home/.config/varnhold-mod-manager
data=$home/.local/share/varnhold-mod-manager
mkdir -p "$config" "$data"
{ echo ';  kept'; cat "$test/demo/tool/options.ini"; } >"$config/options.ini"
mv "$test/demo/tool/Set Files" "$data/"
before=$(ls -A "$root/usr/bin")
# The game starts on its own and needs the screen too: it stays until the game has started.
(cd "$test" && env -i PATH=/usr/bin:/bin HOME="$home" VARNHOLD_STANDIN_NO_WINDOW=1 \
    timeout 120 xvfb-run --auto-servernum sh -c '"$0" --launch "Night Skirmish" || exit
        for _ in $(seq 1 60); do grep -qs Night demo/game/launches.log && exit; sleep 0.5; done' \
    "$tool") || fail "--launch ended with status $?"
grep -qx -- '--mod_mp=Night Raids.zip' "$test/demo/game/launches.log" ||
    fail "the game was not started with the set from $data"
[ "$(head -n 1 "$config/options.ini")" = '; kept' ] || fail "options.ini was not written back to $config"
[ "$(ls -A "$root/usr/bin")" = "$before" ] || fail "files beside the executable: $(ls -A "$root/usr/bin")"
[ ! -e "$test/options.ini" ] || fail "options.ini in the working folder"
echo "The unpacked package keeps the player's files in $config and $data."

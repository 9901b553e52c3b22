#!/usr/bin/env bash
# Prints the folder of the Windows Qt (6.4.2, qtbase, cross-built with MinGW-w64) that the
# Windows build uses. It is the first of:
#   ../shared/qt6-mingw beside the project, as the team shares it;
#   the cache folder, $VMM_CACHE/qt6-mingw-6.4.2 ($VMM_CACHE defaults to ~/.cache/varnhold-mod-manager);
# and when neither holds it, it is built into the cache from Debian's own source package of
# the same Qt version, the way ../shared/qt6-mingw/BUILD.txt describes (about 35 minutes on
# 2 cores). Everything but the folder goes to standard error; exits non-zero when no Windows Qt
# can be had.
#   scripts/windows-qt.sh            find or build, print the folder
#   scripts/windows-qt.sh --rebuild  build into the cache even when one is there
set -euo pipefail
project=$(cd "$(dirname "$0")/.." && pwd)
source "$project/scripts/ensure-packages.sh"

version=6.4.2
shared=$project/../shared/qt6-mingw
cache=${VMM_CACHE:-$HOME/.cache/varnhold-mod-manager}/qt6-mingw-$version
toolchain=lib/cmake/Qt6/qt.toolchain.cmake

complete() { [ -f "$1/$toolchain" ] && [ -f "$1/bin/Qt6Widgets.dll" ] && [ -f "$1/plugins/platforms/qwindows.dll" ]; }
# A build into the cache marks itself complete only at its very end, so a broken-off one is
# never used.
finished=.vmm-build-complete

if [ "${1:-}" != --rebuild ]; then
    if complete "$shared"; then
        (cd "$shared" && pwd)
        exit 0
    fi
    if complete "$cache" && [ -f "$cache/$finished" ]; then
        echo "$cache"
        exit 0
    fi
fi

{
    echo "No Windows Qt in $shared nor in $cache."
    echo "Building Qt $version for Windows from Debian's source into $cache (about 35 minutes on 2 cores)."
} >&2

ensure_packages "${WINDOWS_PACKAGES[@]}" dpkg-dev xz-utils >&2

# apt-get source needs the source entries of the archive the binaries come from.
if ! apt-get source --print-uris qt6-base 2>/dev/null | grep -q "qt6-base_$version"; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Debian's source entries are missing; as root, add deb-src entries for bookworm and run apt-get update." >&2
        exit 1
    fi
    sed -e 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
        >/etc/apt/sources.list.d/vmm-debian-src.sources
    apt-get update -qq >&2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/vmm-qt-build.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
apt-get source --download-only "qt6-base=$version+dfsg-10" >&2 ||
    apt-get source --download-only qt6-base >&2
tar -xf qt6-base_$version+dfsg.orig.tar.xz
source_dir=$work/qtbase-everywhere-src-$version

# Without OpenGL the Windows platform plugin still asks for dynamic OpenGL, which then fails
# to compile; the same check with OpenGL added keeps it out.
sed -i 's/#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
    "$source_dir/src/plugins/platforms/windows/qwindowswindow.cpp"

# Qt is installed where it is used: its files name their own folder. The toolchain file lives
# inside that folder too, where Qt's own toolchain file loads it from.
rm -rf "$cache"
mkdir -p "$cache/lib/cmake/Qt6"
cat >"$cache/lib/cmake/Qt6/mingw.cmake" <<'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF

# The wintab header that tablet events need is not in Debian's source.
cmake -S "$source_dir" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$cache/lib/cmake/Qt6/mingw.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$cache" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_opengl=OFF -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF \
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_icu=OFF \
    -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF >&2
cmake --build "$work/build" --parallel "$(nproc)" >&2
cmake --install "$work/build" >&2
find "$cache" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} \;
complete "$cache" || { echo "The Windows Qt build in $cache is incomplete." >&2; exit 1; }
touch "$cache/$finished"
echo "$cache"

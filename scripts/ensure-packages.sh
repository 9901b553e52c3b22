#!/usr/bin/env bash
# Sourced by the top-level scripts: installs the Debian packages a script needs,
# or tells a non-root user the exact command to run.

ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Install them with:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq "${missing[@]}" >/dev/null
}

# fonts-liberation brings the narrow sans the forms' captions are shown in; qt6-base-dev-tools
# brings uic, which compiles the forms.
BUILD_PACKAGES=(cmake make g++ qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core
    fonts-liberation)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# libglib2.0-bin brings gio, GLib's own launcher, which opens the desktop shortcuts the tool makes.
# A test reads the window as a screen reader does: through the AT-SPI library (libatspi2.0-dev)
# on the accessibility bus (at-spi2-core) of a D-Bus session of its own (dbus-daemon).
E2E_PACKAGES=(xvfb xauth xdotool x11-utils imagemagick desktop-file-utils libglib2.0-bin
    at-spi2-core dbus-daemon libatspi2.0-dev)
BENCH_PACKAGES=(xvfb xauth libxcb1-dev)
# The Windows build: the MinGW-w64 cross compiler, Qt's host tools for the Windows Qt, and Wine
# to run the Windows programs.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix ninja-build qt6-base-dev-tools wine wine64)
# The release and its checks: the Debian package (dpkg-shlibdeps finds its dependencies, lintian,
# appstreamcli and desktop-file-validate check it), the Windows setup (makensis, whose
# amd64-unicode stubs Debian's nsis ships) and the reproducible zip.
RELEASE_PACKAGES=(dpkg-dev fakeroot lintian appstream desktop-file-utils nsis zip xvfb xauth)

# How run-tests and run-demo configure build/: the same options, so that switching between
# them rebuilds nothing. No optimisation and no debug information keeps the build short;
# assertions stay on.
MAIN_BUILD_OPTIONS=(-DCMAKE_BUILD_TYPE= -DVMM_WERROR=ON -DVMM_BUILD_TESTS=ON)

# How the Windows build in build-win is configured, given the Windows Qt's folder: fills
# WINDOWS_BUILD_OPTIONS.
set_windows_build_options() {
    WINDOWS_BUILD_OPTIONS=(-G Ninja "-DCMAKE_TOOLCHAIN_FILE=$1/lib/cmake/Qt6/qt.toolchain.cmake"
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
}

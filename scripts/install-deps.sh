#!/usr/bin/env bash
# Installs what building, running and testing need, on Debian, and only what is missing.
# What is there is asked of the package database: a command of the same name may come from
# another program (a stand-in "convert" is not ImageMagick).
set -euo pipefail

packages=(
    cmake          # the build
    g++            # the native build of the core and its tests
    make
    libgtest-dev   # GoogleTest for the native tests
    googletest
    nlohmann-json3-dev  # JSON, headers only: the command line's list of the Children
    clang          # the fuzz targets: libFuzzer and the sanitizers' runtimes
    libclang-rt-dev
    mingw-w64      # the cross build of morlando.exe: compilers and windres
    g++-mingw-w64-x86-64
    wine           # running morlando.exe on Linux
    wine64
    libasound2     # ALSA for Wine's 64-bit side: the sound tests play through its file plugin into a file
    fonts-wine     # Wine's own fonts: caption buttons, menus and dialogs drawn as on Windows
    xvfb           # the virtual screen of the end-to-end tests and of a run without a display
    xauth
    imagemagick    # the window pictures turned from BMP into PNG
    nsis           # the Windows installer made by cpack -G NSIS
    lintian        # the check of the Debian package made by cpack -G DEB
    man-db         # man, which shows the package's manual page and finds it installed
    parallel       # GNU parallel: a folder of takes split as jobs, one killed and resumed
)

installed() {
    [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" = "installed" ]
}

need=()
for package in "${packages[@]}"; do
    installed "$package" || need+=("$package")
done

if [ ${#need[@]} -eq 0 ]; then
    exit 0
fi
echo "installing: ${need[*]}"
if [ "$(id -u)" -ne 0 ]; then
    sudo=sudo
else
    sudo=
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null

#!/usr/bin/env bash
# Installs what building, running and testing need, on Debian, and only what is missing.
set -euo pipefail

need=()
have() { command -v "$1" >/dev/null 2>&1; }

have cmake || need+=(cmake)
have g++ || need+=(g++)
have make || need+=(make)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
[ -d /usr/src/googletest ] || need+=(googletest)
# clang and its runtime libraries build the fuzz targets
have clang++ || need+=(clang)
compgen -G '/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a' >/dev/null || need+=(libclang-rt-dev)
have x86_64-w64-mingw32-g++ || need+=(mingw-w64)
have x86_64-w64-mingw32-windres || need+=(mingw-w64)
have wine || need+=(wine)
[ -x /usr/lib/wine/wine64 ] || have wine64 || need+=(wine64)
have xvfb-run || need+=(xvfb)
have xauth || need+=(xauth)
have convert || need+=(imagemagick)

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

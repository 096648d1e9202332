#!/usr/bin/env bash
# Installs what is missing, builds morlando.exe and starts it: directly on Windows, under Wine
# elsewhere.
set -euo pipefail
cd "$(dirname "$0")/.."

case "$(uname -s)" in
MINGW* | MSYS* | CYGWIN*)
    cmake --preset windows >/dev/null && cmake --build --preset windows
    exec build/windows/morlando.exe
    ;;
esac

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows

export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-morlando}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    # A new prefix is complete only once its wineserver has written it out and ended.
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
fi
if [ -n "${DISPLAY:-}" ]; then
    exec wine build/windows/morlando.exe
fi
echo "No display: starting morlando.exe on a virtual screen (xvfb-run)."
exec xvfb-run -a -s "-screen 0 1280x800x24" wine build/windows/morlando.exe

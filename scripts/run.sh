#!/usr/bin/env bash
# Installs what is missing, builds morlando.exe and starts it: directly on Windows, under Wine
# elsewhere. Without a display it shows the program's main job instead: on a virtual screen the
# end-to-end driver has the real program load a one-minute Mother, draw it, preview its cuts and
# split it into Children through its menus, then the run says where the Children and the pictures
# of the window are, and ends.
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

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# prepare_prefix COMMAND...: makes the prefix if it is new, running the command in it once. A new
# prefix is complete only once its wineserver has written it out and ended. Wine looks for its own
# fonts in the prefix only: without Marlett the caption buttons show letters.
prepare_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        wineboot -i >/dev/null 2>&1 || true
        "$@"
        wineserver -w
    fi
    if [ -d /usr/share/wine/fonts ] && [ -d "$WINEPREFIX/drive_c/windows/Fonts" ]; then
        cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    fi
}

if [ -n "${DISPLAY:-}" ]; then
    export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-morlando}"
    prepare_prefix true
    exec wine build/windows/morlando.exe
fi

# No display: the demonstration, in a prefix of its own. Without a window manager, Managed=N
# spares the pause Wine otherwise makes at every dialog close.
started=$(date +%s)
demo=$PWD/build/windows/demo
export WINEPREFIX=$demo/wineprefix
echo "No display: the demonstration runs on a virtual screen (under 10 s, about 20 s the first time)."
rm -rf "$demo/Children" "$demo/pictures" "$demo/demo.log"
mkdir -p "$demo/Children" "$demo/pictures"
prepare_prefix wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
    >/dev/null 2>&1 </dev/null

windows_path() {
    printf 'Z:%s' "$1" | tr / '\\'
}

status=0
timeout 120 xvfb-run -a -s "-screen 0 1280x800x24" wine build/windows/e2e/morlando-driver.exe \
    --program "$(windows_path "$PWD/build/windows/morlando.exe")" \
    --scenario "$(windows_path "$PWD/scripts/demo.scn")" \
    --log "$(windows_path "$demo/demo.log")" \
    --work "$(windows_path "$demo")" \
    --set "OUT=$(windows_path "$demo/pictures")" \
    >"$demo/driver.out" 2>&1 </dev/null || status=$?
wineserver -k >/dev/null 2>&1 || true

for bmp in "$demo"/pictures/*.bmp; do
    [ -f "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
if [ $status -ne 0 ]; then
    echo "The demonstration failed (status $status):"
    grep -E 'FAIL at|SCENARIO ERROR|timed out' "$demo/demo.log" 2>/dev/null || cat "$demo/driver.out"
    echo "Log: $demo/demo.log"
    exit 1
fi
echo "Done in $(( $(date +%s) - started )) s."
echo "Mother (a tone that swells over every ten seconds): $demo/demo-mother.wav"
echo "Children:"
for child in "$demo"/Children/*.WAV; do
    printf '  %s  %d bytes\n' "$child" "$(stat -c %s "$child")"
done
echo "Pictures of the window (loaded and drawn, cuts previewed, split done):"
ls "$demo"/pictures/*.png | sed 's/^/  /'

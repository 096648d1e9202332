#!/bin/bash
# The pieces of an end-to-end run, called by CTest (see CMakeLists.txt beside this file):
#
#   e2e-session.sh setup   <windows-build-dir>             fresh Wine prefix, an X server, a wineserver
#   e2e-session.sh run     <windows-build-dir> <scenario>  one scenario file against morlando.exe
#   e2e-session.sh cleanup <windows-build-dir>             ends the session, turns screenshots into PNG
#
# Everything goes to <windows-build-dir>/e2e: the prefix, one work folder and one log per
# scenario, and the screenshots. The driver's output always goes to files: the programs it
# starts keep inherited pipes open, so piping it would hang the run. For the same reason the
# X server and the wineserver that outlive "setup" write to files, never to CTest's pipes.
set -u

if [ $# -lt 2 ]; then
    echo "usage: $0 setup|run|cleanup <windows-build-dir> [scenario-file]" >&2
    exit 2
fi
action=$1
build=$(cd "$2" && pwd) || exit 2
source_dir=$(cd "$(dirname "$0")" && pwd)
out=$build/e2e
session=$out/session

export WINEPREFIX=$out/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
[ -f "$session/display" ] && export DISPLAY=$(cat "$session/display")

# Z: is the whole Unix file system in a fresh prefix.
windows_path() {
    printf 'Z:%s' "$1" | tr / '\\'
}

# A screen large enough for the main window at 192 pixels to the inch (2048 x 1200), which the
# system would otherwise shrink to the screen's size.
start_x_server() {
    local number=99
    while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do
        number=$((number + 1))
    done
    setsid Xvfb ":$number" -screen 0 2560x1600x24 -nolisten tcp \
        >"$out/logs/xvfb.log" 2>&1 </dev/null &
    echo $! >"$session/xvfb.pid"
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$number" ] && break
        sleep 0.1
    done
    echo ":$number" >"$session/display"
    export DISPLAY=":$number"
}

# Without a window manager, Managed=N spares the 2 s pause that Wine otherwise makes at every
# dialog close.
setup() {
    cleanup_processes
    rm -rf "$WINEPREFIX" "$out/work" "$out/logs" "$session"
    mkdir -p "$WINEPREFIX" "$out/work" "$out/logs" "$session"
    for needed in "$build/morlando.exe" "$out/morlando-driver.exe" "$out/morlando-menuhook.dll"; do
        if [ ! -f "$needed" ]; then
            echo "missing $needed (build the windows target first)" >&2
            exit 2
        fi
    done
    start_x_server
    setsid wineserver -p >"$out/logs/wineserver.log" 2>&1 </dev/null
    wineboot -i >"$out/logs/wineboot.log" 2>&1 </dev/null
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
        >>"$out/logs/wineboot.log" 2>&1 </dev/null
    install_wine_fonts
}

# Wine looks for its own fonts in the prefix only: without Marlett the caption buttons show
# letters and digits instead of their symbols.
install_wine_fonts() {
    local fonts=/usr/share/wine/fonts
    if [ -d "$fonts" ] && [ -n "$(ls -A "$fonts")" ]; then
        cp -n "$fonts"/* "$WINEPREFIX/drive_c/windows/Fonts/"
    else
        echo "no Wine fonts in $fonts (package fonts-wine): caption buttons will show letters" >&2
    fi
}

cleanup_processes() {
    [ -d "$WINEPREFIX" ] && wineserver -k >/dev/null 2>&1
    if [ -f "$session/xvfb.pid" ]; then
        kill "$(cat "$session/xvfb.pid")" 2>/dev/null
        rm -f "$session/xvfb.pid"
    fi
}

convert_screenshots() {
    local bmp
    for bmp in "$out"/*.bmp "$out"/work/*/*.bmp; do
        [ -f "$bmp" ] || continue
        convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
    done
}

# A scenario that CTest stopped for taking too long may have left the program running, and
# what its script prepared (a display scale, no sound driver) in the prefix; the next one starts
# with this prefix's processes ended, a new wineserver and that scenario's clean step run.
end_leftovers() {
    if [ -f "$session/running" ]; then
        local stopped
        stopped=$(cat "$session/running")
        echo "$(basename "$stopped" .scn) did not end; its programs are ended" >>"$out/logs/wineserver.log"
        wineserver -k >/dev/null 2>&1
        wineserver -w >/dev/null 2>&1
        setsid wineserver -p >>"$out/logs/wineserver.log" 2>&1 </dev/null
        local hook=${stopped%.scn}.sh
        [ -x "$hook" ] && "$hook" clean "$out/work/$(basename "$stopped" .scn)"
    fi
}

run() {
    local scenario=$1
    local name
    name=$(basename "$scenario" .scn)
    local work=$out/work/$name log=$out/logs/$name.log
    if [ ! -f "$session/display" ]; then
        echo "no session: run the e2e.setup test first" >&2
        exit 2
    fi
    end_leftovers
    echo "$scenario" >"$session/running"
    rm -rf "$work"
    mkdir -p "$work"
    # A scenario may come with a script that prepares its work folder (such as a small file
    # system that fills up) and cleans it afterwards.
    local hook=${scenario%.scn}.sh
    [ -x "$hook" ] && "$hook" prepare "$work"
    # A preparation that makes a folder "home" has the scenario run with it as HOME: its .asoundrc
    # tells ALSA under Wine where to play.
    local home=$HOME
    [ -d "$work/home" ] && home=$work/home
    HOME=$home wine "$out/morlando-driver.exe" \
        --program "$(windows_path "$build/morlando.exe")" \
        --scenario "$(windows_path "$scenario")" \
        --log "$(windows_path "$log")" \
        --work "$(windows_path "$work")" \
        --set "E2E=$(windows_path "$source_dir")" \
        --set "OUT=$(windows_path "$out")" \
        >"$out/logs/$name.out" 2>&1 </dev/null
    local status=$?
    [ -x "$hook" ] && "$hook" clean "$work"
    rm -f "$session/running"
    if [ $status -ne 0 ]; then
        grep -m1 -E '^\[ *[0-9]+ ms\] (FAIL at|SCENARIO ERROR)' "$log" 2>/dev/null | sed -E 's/^\[ *[0-9]+ ms\] //'
        echo "exit status $status, log: $log"
    fi
    return $status
}

case $action in
    setup) setup ;;
    run) run "$3" ;;
    cleanup)
        cleanup_processes
        convert_screenshots
        ;;
    *)
        echo "unknown action $action" >&2
        exit 2
        ;;
esac

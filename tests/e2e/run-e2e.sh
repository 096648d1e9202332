#!/bin/bash
# Runs the end-to-end scenarios against <windows-build-dir>/morlando.exe under Wine.
#
#   tests/e2e/run-e2e.sh <windows-build-dir> [scenario-name...]
#
# Everything the run makes goes to <windows-build-dir>/e2e: a fresh Wine prefix, one work
# folder and one log per scenario, and main-window.png. One Xvfb server and one persistent
# wineserver serve all scenarios. Prints one line per scenario, then "N passed, N failed";
# the exit status is 1 when any scenario failed. MORLANDO_E2E_SCENARIO_TIMEOUT sets the time
# allowed to each scenario (120 s).
#
# The driver's output always goes to files: the programs it starts keep inherited pipes open,
# so piping it would hang the run.
set -u

if [ $# -lt 1 ]; then
    echo "usage: $0 <windows-build-dir> [scenario-name...]" >&2
    exit 2
fi

# One X server around the whole run: the script runs itself again inside xvfb-run.
if [ -z "${MORLANDO_E2E_IN_XVFB:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" env MORLANDO_E2E_IN_XVFB=1 "$0" "$@"
fi

build=$(cd "$1" && pwd) || exit 2
shift
source_dir=$(cd "$(dirname "$0")" && pwd)
out=$build/e2e
scenario_timeout=${MORLANDO_E2E_SCENARIO_TIMEOUT:-120}

export WINEPREFIX=$out/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

for needed in "$build/morlando.exe" "$out/morlando-driver.exe" "$out/morlando-menuhook.dll"; do
    if [ ! -f "$needed" ]; then
        echo "missing $needed (build the windows target first)" >&2
        exit 2
    fi
done

# Z: is the whole Unix file system in a fresh prefix.
windows_path() {
    printf 'Z:%s' "$1" | tr / '\\'
}

# A fresh prefix for every run; without a window manager, Managed=N spares the 2 s pause that
# Wine otherwise makes at every dialog close.
prepare_prefix() {
    rm -rf "$WINEPREFIX" "$out/work" "$out/logs"
    mkdir -p "$WINEPREFIX" "$out/work" "$out/logs"
    wineserver -p >"$out/logs/wineserver.log" 2>&1
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

# Returns the driver's exit status; 124 when the scenario ran out of time.
run_scenario() {
    local scenario=$1 name=$2
    local work=$out/work/$name
    mkdir -p "$work"
    timeout "$scenario_timeout" wine "$out/morlando-driver.exe" \
        --program "$(windows_path "$build/morlando.exe")" \
        --scenario "$(windows_path "$scenario")" \
        --log "$(windows_path "$out/logs/$name.log")" \
        --work "$(windows_path "$work")" \
        --set "E2E=$(windows_path "$source_dir")" \
        --set "OUT=$(windows_path "$out")" \
        >"$out/logs/$name.out" 2>&1 </dev/null
}

# After a timeout the program may still run: end this prefix's processes, keep a server.
recover_after_timeout() {
    local name=$1
    echo "timed out after $scenario_timeout s" >>"$out/logs/$name.log"
    wineserver -k >/dev/null 2>&1
    wineserver -w >/dev/null 2>&1
    wineserver -p >>"$out/logs/wineserver.log" 2>&1
}

failure_reason() {
    local log=$1
    grep -m1 -E '^\[ *[0-9]+ ms\] (FAIL at|SCENARIO ERROR)' "$log" 2>/dev/null | sed -E 's/^\[ *[0-9]+ ms\] //'
}

selected_scenarios() {
    if [ $# -eq 0 ]; then
        ls "$source_dir"/scenarios/*.scn
    else
        for name in "$@"; do
            echo "$source_dir/scenarios/$name.scn"
        done
    fi
}

convert_screenshots() {
    local bmp
    for bmp in "$out"/*.bmp "$out"/work/*/*.bmp; do
        [ -f "$bmp" ] || continue
        convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
    done
}

started=$(date +%s)
prepare_prefix
passed=0
failed=0
for scenario in $(selected_scenarios "$@"); do
    name=$(basename "$scenario" .scn)
    scenario_start=$(date +%s)
    # A scenario may come with a script that prepares its work folder (such as a small file
    # system that fills up) and cleans it afterwards.
    hook=${scenario%.scn}.sh
    [ -x "$hook" ] && { mkdir -p "$out/work/$name"; "$hook" prepare "$out/work/$name"; }
    run_scenario "$scenario" "$name"
    status=$?
    [ -x "$hook" ] && "$hook" clean "$out/work/$name"
    [ $status -eq 124 ] && recover_after_timeout "$name"
    seconds=$(( $(date +%s) - scenario_start ))
    if [ $status -eq 0 ]; then
        passed=$((passed + 1))
        echo "PASS $name (${seconds} s)"
    else
        failed=$((failed + 1))
        reason=$(failure_reason "$out/logs/$name.log")
        [ $status -eq 124 ] && reason="timed out after $scenario_timeout s"
        echo "FAIL $name (${seconds} s) ${reason:-exit status $status}, log: $out/logs/$name.log"
    fi
done
convert_screenshots
wineserver -k >/dev/null 2>&1
echo "e2e took $(( $(date +%s) - started )) s" >"$out/logs/duration.txt"
echo "$passed passed, $failed failed"
[ $failed -eq 0 ]

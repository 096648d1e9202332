#!/bin/bash
# Times the real morlando.exe under Wine splitting a Mother into many Children of 1/100 s
# (1 764 bytes each): one minute gives 6 000 Children, two minutes 12 000. Prints the program's
# own " time for job = " for each length asked, e.g.
#
#   bench/many-children-wine.sh build/windows 1 2
#
# The cost of each new file grows with the files already in the folder under Wine, which
# compares names without regard to case by reading the folder; natively the engine takes
# under 2 s for the same jobs.
set -u
build=${1:?usage: $0 <windows-build-dir> [minutes...]}
shift
[ $# -gt 0 ] || set -- 1 2
here=$(cd "$(dirname "$0")" && pwd)
session=$here/../tests/e2e/e2e-session.sh
scenarios=$(mktemp -d)
trap 'rm -rf "$scenarios"; "$session" cleanup "$build" >/dev/null 2>&1' EXIT

"$session" setup "$build" || exit 1
for minutes in "$@"; do
    name=many-children-$minutes-min
    cat >"$scenarios/$name.scn" <<SCENARIO
write-wav \${WORK}\\mother.wav $((10584000 * minutes))
start
menu IDM_LOAD
file-dialog "MOTHER-Wavfile-select:" "\${WORK}\\mother.wav"
expect-box "duration minutes = " " $minutes.00 "
ok
menu IDM_CUT_HUNDREDTHS
prompt "1"
expect-box " time selected  (0.01 sec):" " 1    "
ok
expect-box " wave-number around : " "Wert = $((6000 * minutes - 1)) "
ok
menu IDM_GIVE_NAME
file-dialog "CHILDREN->Names" "\${WORK}\\kid.wav"
expect-no-window 300
menu IDM_SPLIT_TO_CHILDREN
expect-dialog "NEWSPLIT"
timeout 3600000
answer-keys enter
expect-box-caption " time for job = "
ok
expect-file \${WORK}\\kid$((6000 * minutes - 1)).WAV 1808
menu IDM_EXIT
expect-exit 0
SCENARIO
    "$session" run "$build" "$scenarios/$name.scn" >/dev/null
    # The program's own figure, read from its box even when the driver found the box too busy to
    # answer for its caption.
    seconds=$(grep -oE 'text " [0-9]+\.[0-9]{2} "' "$build/e2e/logs/$name.log" | head -1 | grep -oE '[0-9]+\.[0-9]{2}')
    echo "$((6000 * minutes)) Children: ${seconds:-no time box, see $build/e2e/logs/$name.log}${seconds:+ s}"
    rm -rf "$build/e2e/work/$name"
done

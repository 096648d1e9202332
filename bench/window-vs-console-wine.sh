#!/bin/bash
# Times the window's split against the console's on the same Mother, under Wine, in the same run:
# the real morlando.exe, driven through its menus by the end-to-end driver, splits a 16-bit stereo
# 44.1 kHz Mother (500 MiB by default) into 10-second Children with SPLIT TO CHILDREN, and
# morlando-split.exe --window-rules --every 10s writes the same Children. Rounds alternate the two,
# each first in every other round.
# Prints for each its best and median time and the ratios window / console:
#
#   window       the program's own " time for job = ": from START to the last Child, the dialog's
#                drawing included, the program's start and menus not
#   console own  the console's own time of the same work, from its first Child to its last (the
#                "in N s" of its last line)
#   console      the whole process under Wine, from its start to its end
#   start only   a start of the console that does no work (--version)
#   X server     the processor time the X server spent while a window split ran (its drawing of
#                the dialog, which on a machine of few cores competes with the split itself)
#
# The ratio that compares like with like is window / console own; the ratio to the whole console
# process adds what the console spends around the split (its start, the look at the Mother, its
# end under Wine), which the window spends before START and after its box.
#
# --before adds an earlier morlando.exe as one more contender, so that a change of the window is
# timed before and after in the same run. Figures only; no time is asserted.
#
#   bench/window-vs-console-wine.sh <windows-build-dir> [--mib N] [--rounds N] [--before PATH/morlando.exe]
set -u
usage="usage: $0 <windows-build-dir> [--mib N] [--rounds N] [--before PATH/morlando.exe]"
build=${1:?$usage}
shift
mib=500
rounds=3
before=
while [ $# -gt 0 ]; do
    case $1 in
    --mib) mib=$2; shift 2 ;;
    --rounds) rounds=$2; shift 2 ;;
    --before) before=$(cd "$(dirname "$2")" && pwd)/$(basename "$2"); shift 2 ;;
    *) echo "$usage" >&2; exit 2 ;;
    esac
done
build=$(cd "$build" && pwd) || exit 2
here=$(cd "$(dirname "$0")" && pwd)
session=$here/../tests/e2e/e2e-session.sh
work=$build/e2e/window-vs-console
scenarios=$(mktemp -d)
trap 'rm -rf "$scenarios" "$work"; "$session" cleanup "$build" >/dev/null 2>&1' EXIT

"$session" setup "$build" || exit 1
export WINEPREFIX=$build/e2e/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=$(cat "$build/e2e/session/display")
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }

le32() {
    printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255))
}
data=$((mib * 1024 * 1024 / 4 * 4))
mkdir -p "$work"
mother=$work/mother.wav
{
    printf "RIFF$(le32 $((data + 36)))WAVEfmt $(le32 16)\\x01\\x00\\x02\\x00$(le32 44100)$(le32 176400)"
    printf "\\x04\\x00\\x10\\x00data$(le32 $data)"
    head -c "$data" /dev/urandom
} >"$mother"
children=$(((data - 68) / 1764000))
sync

now() { date +%s.%N; }
xvfb=$(cat "$build/e2e/session/xvfb.pid")
ticks=$(getconf CLK_TCK)
xcpu() { awk -v t="$ticks" '{printf "%.3f", ($14 + $15) / t}' "/proc/$xvfb/stat"; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN {printf "%.3f", b - a}'; }

# The window (the program given): LOAD, "cut to SECs" 10, Give Name, SPLIT TO CHILDREN, START; its
# own time read back from the log of the driver.
window_round() {
    local program=$1 out=$2 name=window-vs-console-$3
    cat >"$scenarios/$name.scn" <<SCENARIO
start
menu IDM_LOAD
file-dialog "MOTHER-Wavfile-select:" "$(windows_path "$mother")"
expect-box-caption "duration minutes = "
ok
menu IDM_CUT_SECONDS
prompt "10"
expect-box " selected (sec):" " 10   "
ok
expect-box-other-than " selected (sec):"
ok
menu IDM_GIVE_NAME
file-dialog "CHILDREN->Names" "$(windows_path "$out")\\take.wav"
expect-no-window 300
menu IDM_SPLIT_TO_CHILDREN
expect-dialog "NEWSPLIT"
timeout 600000
answer-keys enter
expect-box-caption " time for job = "
ok
menu IDM_EXIT
expect-exit 0
SCENARIO
    mkdir -p "$work/driven"
    local x0
    x0=$(xcpu)
    wine "$build/e2e/morlando-driver.exe" --program "$(windows_path "$program")" \
        --scenario "$(windows_path "$scenarios/$name.scn")" --log "$(windows_path "$work/$name.log")" \
        --work "$(windows_path "$work/driven")" >"$work/driver.out" 2>&1 </dev/null || {
        cp "$work/$name.log" "$build/e2e/logs/" 2>/dev/null
        grep -m1 -E 'FAIL at|SCENARIO ERROR' "$work/$name.log" >&2
        echo "log: $build/e2e/logs/$name.log" >&2
        return 1
    }
    echo "$(grep -oE 'text " [0-9]+\.[0-9]{2} "' "$work/$name.log" | tail -1 | grep -oE '[0-9]+\.[0-9]{2}')" \
        "$(awk -v a="$x0" -v b="$(xcpu)" 'BEGIN {printf "%.2f", b - a}')"
}

console_round() {
    local out=$1 start
    start=$(now)
    (cd "$out" && wine "$build/morlando-split.exe" --window-rules --every 10s --name "$(windows_path "$out")\\take" \
        "$(windows_path "$mother")" >"$work/console.out" 2>"$work/console.err" </dev/null) || return 1
    echo "$(since "$start") $(tr -d '\r' <"$work/console.err" | tail -1 | grep -oE 'in [0-9.]+ s' | grep -oE '[0-9.]+')"
}

idle_round() {
    local start
    start=$(now)
    wine "$build/morlando-split.exe" --version >/dev/null 2>&1 </dev/null
    since "$start"
}

# A run's Children leave the page cache once they are on disk, so that the next run finds memory
# as this one found it, with only the Mother cached.
uncache() {
    sync
    find "$1" -type f -exec dd if={} iflag=nocache count=0 status=none \; 2>/dev/null
}

# The Children of both, compared once: the same files, byte for byte.
same_children() {
    local a=$1 b=$2 n
    [ "$(ls "$a" | wc -l)" = "$(ls "$b" | wc -l)" ] || return 1
    for n in $(ls "$a"); do
        cmp -s "$a/$n" "$b/$n" || return 1
    done
}

declare -a windows befores consoles owns idles xs xbefores
verdict=
for round in $(seq 1 "$rounds"); do
    # Each goes first in every other round, so that neither always follows the other's writing.
    order="window console${before:+ before}"
    [ $((round % 2)) = 0 ] && order="${before:+before }console window"
    for who in $order; do
        out=$work/out-$who-$round
        mkdir -p "$out"
        sync
        if [ $who = window ]; then
            t=$(window_round "$build/morlando.exe" "$out" "$round") || { echo "the window's round $round failed"; exit 1; }
            windows+=("${t% *}")
            xs+=("${t#* }")
        elif [ $who = before ]; then
            t=$(window_round "$before" "$out" "before-$round") || { echo "the earlier window's round $round failed"; exit 1; }
            befores+=("${t% *}")
            xbefores+=("${t#* }")
        else
            t=$(console_round "$out") || { echo "the console's round $round failed: $(cat "$work/console.err")"; exit 1; }
            consoles+=("${t% *}")
            owns+=("${t#* }")
        fi
        uncache "$out"
        [ "$round" = 1 ] || rm -rf "$out"
    done
    idles+=("$(idle_round)")
    if [ "$round" = 1 ]; then
        same_children "$work/out-window-1" "$work/out-console-1" && verdict="the same $children Children" ||
            verdict="Children DIFFER"
    fi
    rm -rf "$work"/out-*-"$round"
    sync
done

median() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
best() { printf '%s\n' "$@" | sort -g | head -1; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

printf '%s MiB Mother into %s Children of 10 s under Wine, %s rounds (%s)\n\n' "$mib" "$children" "$rounds" "$verdict"
printf '| %-13s | %8s | %8s | %s\n' "" "best (s)" "median" "every round"
printf '| %-13s | %8s | %8s | %s\n' "window" "$(best "${windows[@]}")" "$(median "${windows[@]}")" "${windows[*]}"
[ -n "$before" ] &&
    printf '| %-13s | %8s | %8s | %s\n' "window before" "$(best "${befores[@]}")" "$(median "${befores[@]}")" "${befores[*]}"
printf '| %-13s | %8s | %8s | %s\n' "console own" "$(best "${owns[@]}")" "$(median "${owns[@]}")" "${owns[*]}"
printf '| %-13s | %8s | %8s | %s\n' "console" "$(best "${consoles[@]}")" "$(median "${consoles[@]}")" "${consoles[*]}"
printf '| %-13s | %8s | %8s | %s\n' "X server" "$(best "${xs[@]}")" "$(median "${xs[@]}")" "${xs[*]}"
[ -n "$before" ] &&
    printf '| %-13s | %8s | %8s | %s\n' "X before" "$(best "${xbefores[@]}")" "$(median "${xbefores[@]}")" "${xbefores[*]}"
printf '| %-13s | %8s | %8s | %s\n' "start only" "$(best "${idles[@]}")" "$(median "${idles[@]}")" "${idles[*]}"
printf '\nwindow / console own:  best %s, median %s\n' "$(ratio "$(best "${windows[@]}")" "$(best "${owns[@]}")")" \
    "$(ratio "$(median "${windows[@]}")" "$(median "${owns[@]}")")"
printf 'window / console:      best %s, median %s\n' "$(ratio "$(best "${windows[@]}")" "$(best "${consoles[@]}")")" \
    "$(ratio "$(median "${windows[@]}")" "$(median "${consoles[@]}")")"
[ -n "$before" ] &&
    printf 'before / console own:  best %s, median %s\n' "$(ratio "$(best "${befores[@]}")" "$(best "${owns[@]}")")" \
        "$(ratio "$(median "${befores[@]}")" "$(median "${owns[@]}")")"

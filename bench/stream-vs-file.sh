#!/bin/bash
# Times morlando-split reading its Mother from a pipe ("-") against the same Mother as a file, in
# the same run: a 1 GiB 16-bit stereo 44.1 kHz Mother cut into 10-second Children, `cat MOTHER |
# morlando-split ... -` against `morlando-split ... MOTHER`. Prints each one's median wall time
# until it ends and until its output is on disk, the ratio of the stream to the file (the goal:
# within 1.3), whether the stream's Children are the file's byte for byte, and the peak memory of
# the program for the 1 GiB stream and for a generated stream of --large-gib GiB (the goal: the
# same, a few MiB). The Mother through the pipe alone, into nothing, is timed beside them: what
# the stream costs before the split does anything. Figures only; no time is asserted.
#
#   bench/stream-vs-file.sh [--rounds N] [--mib N] [--large-gib N] [--dir PATH] [--split PATH]
#
# --large-gib 0 leaves the large stream out. Without --split it times morlando-split as the
# Debian package holds it: the release preset's optimised build in build/release, built first.
# The work folder (about 1 + 2 x rounds times the Mother, then --large-gib GiB of Children for a
# moment) is removed at the end.
set -u

rounds=3
mib=1024
large=4
dir=${TMPDIR:-/tmp}
program=
while [ $# -gt 0 ]; do
    case $1 in
    --rounds) rounds=$2; shift 2 ;;
    --mib) mib=$2; shift 2 ;;
    --large-gib) large=$2; shift 2 ;;
    --dir) dir=$2; shift 2 ;;
    --split) program=$2; shift 2 ;;
    *) echo "usage: $0 [--rounds N] [--mib N] [--large-gib N] [--dir PATH] [--split PATH]" >&2; exit 2 ;;
    esac
done

source_dir=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "$program" ]; then
    # The program the Debian package holds (before it is stripped): the release preset's build.
    (cd "$source_dir" && cmake --preset release >/dev/null && cmake --build --preset release >/dev/null) || exit 2
    program=$source_dir/build/release/morlando-split
fi
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (GNU time) for the peak memory" >&2; exit 2; }

work=$dir/morlando-stream-bench-$$
mkdir -p "$work" || exit 2
trap 'rm -rf "$work"' EXIT

le32() {
    printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255))
}
header() {  # 16-bit stereo 44 100 Hz with this data size
    printf "RIFF$(le32 $((($1 + 36) & 0xFFFFFFFF)))WAVEfmt $(le32 16)\\x01\\x00\\x02\\x00$(le32 44100)$(le32 176400)"
    printf "\\x04\\x00\\x10\\x00data$(le32 "$1")"
}
data=$((mib * 1024 * 1024 / 4 * 4))
mother=$work/mother.wav
{ header $data; head -c "$data" /dev/urandom; } >"$mother"
head -c $((1024 * 1024)) /dev/urandom >"$work/block"
sync

uncache() { find "$1" -type f -exec dd if={} iflag=nocache count=0 status=none \; 2>/dev/null; }
now() { date +%s.%N; }
median() { tr ' ' '\n' | grep . | sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

# name | command with OUT for its output folder
contenders=(
    "file|\"$program\" --quiet --every 10s --name OUT/k \"$mother\""
    "stream|cat \"$mother\" | \"$program\" --quiet --every 10s --name OUT/k -"
    "pipe|cat \"$mother\" | cat >/dev/null"
)
TIMEFORMAT='%R %U %S'
declare -A times synctimes cputimes
for round in $(seq 1 "$rounds"); do
    for entry in "${contenders[@]}"; do
        IFS='|' read -r name command <<<"$entry"
        out=$work/out-$round-$name
        mkdir -p "$out"
        sync
        start=$(now)
        { time eval "${command//OUT/$out}" 2>"$work/stderr"; } 2>"$work/time" ||
            echo "$name failed: $(cat "$work/stderr")"
        ended=$(now)
        sync
        synced=$(now)
        times[$name]="${times[$name]:-} $(awk -v a="$start" -v b="$ended" 'BEGIN {print b - a}')"
        synctimes[$name]="${synctimes[$name]:-} $(awk -v a="$start" -v b="$synced" 'BEGIN {print b - a}')"
        cputimes[$name]="${cputimes[$name]:-} $(awk '{print $2 + $3}' "$work/time")"
        uncache "$out"
    done
done
same=no
diff -r "$work/out-1-file" "$work/out-1-stream" >/dev/null && same=yes
children=$(ls "$work/out-1-file" | wc -l)

printf '%s MiB 16-bit stereo 44 100 Hz Mother into %s Children of 10 s, %s rounds, median wall times\n' \
    "$mib" "$children" "$rounds"
printf 'until the command ends, until its Children are on disk (sync), and the processor time of the\n'
printf 'whole command (user + system; for the stream, cat included)\n\n'
printf '| %-8s | %8s | %7s | %12s | %7s | %8s |\n' "Mother" "ends (s)" "to file" "on disk (s)" "to file" "CPU (s)"
printf '|%s|%s|%s|%s|%s|%s|\n' "----------" "----------" "---------" "--------------" "---------" "----------"
base=$(echo "${times[file]}" | median)
syncbase=$(echo "${synctimes[file]}" | median)
for name in file stream pipe; do
    m=$(echo "${times[$name]}" | median)
    ms=$(echo "${synctimes[$name]}" | median)
    printf '| %-8s | %8.3f | %7s | %12.3f | %7s | %8.3f |\n' "$name" "$m" "$(ratio "$m" "$base")" "$ms" \
        "$(ratio "$ms" "$syncbase")" "$(echo "${cputimes[$name]}" | median)"
done
echo
echo "pipe: the Mother through the pipe alone (cat | cat >/dev/null), what the stream costs before any split"
echo "the stream's Children are the file's byte for byte: $same"
rm -rf "$work"/out-*

# Peak memory (maximum resident set) of the program alone, in KiB.
peak() {  # the Mother's description, then the command that feeds it, or none for the file
    local what=$1 feed=$2 out=$work/peak
    mkdir -p "$out"
    if [ -z "$feed" ]; then
        /usr/bin/time -f %M -o "$work/rss" "$program" --quiet --every 10s --name "$out/k" "$mother"
    else
        eval "$feed" | /usr/bin/time -f %M -o "$work/rss" "$program" --quiet --every 10s --name "$out/k" -
    fi
    printf '| %-34s | %9s KiB | %6s |\n' "$what" "$(tail -n 1 "$work/rss")" "$(ls "$out" | wc -l)"
    rm -rf "$out"
}
echo
printf '| %-34s | %13s | %6s |\n' "Mother" "peak memory" "files"
printf '|%s|%s|%s|\n' "------------------------------------" "---------------" "--------"
peak "$mib MiB file" ""
peak "$mib MiB stream (cat)" "cat \"\$mother\""
if [ "$large" -gt 0 ]; then
    peak "$large GiB stream (generated, size 0)" \
        "{ header 0; for _ in \$(seq $((large * 1024))); do cat \"\$work/block\"; done; }"
fi

#!/bin/bash
# Times morlando-split as a whole process against the tools a user could pick for the same job,
# on the same 1 GiB Mother (16-bit stereo 44.1 kHz, or with --format 24-48 24-bit stereo 48 kHz)
# cut into 10-second Children, in the same run: `cp` of the Mother (the
# baseline), `split -b` into as many files, and SoX, ffmpeg's segment muxer and shntool when they
# are installed. Prints each one's median wall time until it ends and until its output is on disk,
# the ratios to cp and whether its Children hold exactly the Mother's samples. Figures only; no
# time is asserted.
#
#   bench/side-by-side.sh [--rounds N] [--mib N] [--dir PATH] [--split PATH/TO/morlando-split]
#                         [--before PATH/TO/an-earlier-morlando-split] [--format cd|24-48]
#                         [--silences]
#
# --before adds an earlier build as one more contender, so that a change is timed before and after
# in the same run. --silences makes the Mother takes of 9 s of sound between 1.5 s of silence and
# cuts it at its silences instead (--at-silence; SoX's silence effect as its peer when installed).
# Without --split it times morlando-split as the Debian package holds it: the release preset's
# optimised build in build/release, built first. The work folder (about (1 + rounds x
# contenders) times the Mother on disk) is removed at the end.
set -u

rounds=3
mib=1024
dir=${TMPDIR:-/tmp}
program=
before=
format=cd
silences=
while [ $# -gt 0 ]; do
    case $1 in
    --rounds) rounds=$2; shift 2 ;;
    --mib) mib=$2; shift 2 ;;
    --dir) dir=$2; shift 2 ;;
    --split) program=$2; shift 2 ;;
    --before) before=$2; shift 2 ;;
    --format) format=$2; shift 2 ;;
    --silences) silences=yes; shift ;;
    *) echo "usage: $0 [--rounds N] [--mib N] [--dir PATH] [--split PATH] [--before PATH] [--format cd|24-48] [--silences]" >&2
       exit 2 ;;
    esac
done

source_dir=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "$program" ]; then
    # The program the Debian package holds (before it is stripped): the release preset's build.
    (cd "$source_dir" && cmake --preset release >/dev/null && cmake --build --preset release >/dev/null) || exit 2
    program=$source_dir/build/release/morlando-split
fi

work=$dir/morlando-side-by-side-$$
mkdir -p "$work" || exit 2
trap 'rm -rf "$work"' EXIT

case $format in
cd) rate=44100 align=4 bits=16 ;;
24-48) rate=48000 align=6 bits=24 ;;
*) echo "--format: cd or 24-48" >&2; exit 2 ;;
esac
data=$((mib * 1024 * 1024 / align * align))  # whole frames
piece=$((10 * rate * align))                   # 10 s
le16() { printf '\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)); }
le32() {
    printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255))
}
mother=$work/mother.wav
{
    printf "RIFF$(le32 $((data + 36)))WAVEfmt $(le32 16)\\x01\\x00\\x02\\x00$(le32 $rate)$(le32 $((rate * align)))"
    printf "$(le16 $align)$(le16 $bits)data$(le32 $data)"
    if [ -z "$silences" ]; then
        head -c "$data" /dev/urandom
    else
        # 9 s of loud noise (every byte from 0x80 to 0xBF: each sample at least half of full scale) then 1.5 s of zeros, over and over.
        sound=$((9 * rate * align)) quiet=$((3 * rate * align / 2))
        take=$work/take.raw
        { head -c "$sound" /dev/urandom | tr '\000-\377' '\200-\277\200-\277\200-\277\200-\277'; head -c "$quiet" /dev/zero; } >"$take"
        for _ in $(seq 1 $((data / (sound + quiet) + 1))); do cat "$take"; done | head -c "$data"
        rm -f "$take"
    fi
} >"$mother"
sync

# name | command with OUT for its output folder | how its Children are checked
contenders=(
    "cp|cp \"$mother\" OUT/copy.wav|copy"
    "split -b|split -a 5 -b $piece \"$mother\" OUT/x|raw"
    "morlando-split|\"$program\" --quiet --every 10s --name OUT/take \"$mother\"|wav"
)
[ -n "$before" ] &&
    contenders+=("morlando-split before|\"$before\" --quiet --every 10s --name OUT/take \"$mother\"|wav")
if [ -n "$silences" ]; then
    # Cut at every silence of at least a second, in its middle; the Children keep every sample.
    cut="--at-silence --silence-min 1s"
    contenders=(
        "cp|cp \"$mother\" OUT/copy.wav|copy"
        "morlando-split|\"$program\" --quiet $cut --name OUT/take \"$mother\"|wav"
    )
    [ -n "$before" ] &&
        contenders+=("morlando-split before|\"$before\" --quiet $cut --name OUT/take \"$mother\"|wav")
    command -v sox >/dev/null &&
        contenders+=("SoX silence|sox \"$mother\" OUT/take.wav silence 1 0.01 -50d 1 1.0 -50d : newfile : restart|wav")
fi
command -v sox >/dev/null &&
    contenders+=("SoX|sox \"$mother\" OUT/take.wav trim 0 10 : newfile : restart|wav")
command -v ffmpeg >/dev/null &&
    contenders+=("ffmpeg segment|ffmpeg -nostdin -loglevel error -i \"$mother\" -f segment -segment_time 10 -c copy OUT/take%05d.wav|wav")
command -v shntool >/dev/null &&
    contenders+=("shntool split|shntool split -q -l 0:10.00 -d OUT \"$mother\"|wav")

# Drops a folder's files from the page cache, so that every run starts with only the Mother cached.
uncache() {
    find "$1" -type f -exec dd if={} iflag=nocache count=0 status=none \; 2>/dev/null
}

now() { date +%s.%N; }

# Whether every Child holds exactly its slice of the Mother's samples: the WAV Children's sample
# bytes laid end to end, or the raw pieces laid end to end, against the Mother.
exact() {
    local kind=$1 out=$2
    case $kind in
    copy) cmp -s "$mother" "$out/copy.wav" && echo "yes (one file)" || echo NO ;;
    raw) cat "$out"/x* | cmp -s - "$mother" && echo "no: raw byte pieces, no WAV headers" || echo NO ;;
    wav)
        local got
        got=$(for f in $(ls "$out" | sort -V); do tail -c +45 "$out/$f"; done | cmp - <(tail -c +45 "$mother") 2>&1)
        # By the window's rules the Children stop short of the Mother's end (the last 17 frames are not cut).
        # A tool that drops the silences it cuts at keeps fewer samples than the Mother: not exact.
        case $got in "" | *"EOF on -"*) echo yes ;; *) echo NO ;; esac
        ;;
    esac
}

TIMEFORMAT='%R %U %S'
declare -A times synctimes cputimes
exacts=()
for round in $(seq 1 "$rounds"); do
    for entry in "${contenders[@]}"; do
        IFS='|' read -r name command kind <<<"$entry"
        out=$work/out-$round-${name// /_}
        mkdir -p "$out"
        sync
        start=$(now)
        { time eval "${command//OUT/$out}" >/dev/null 2>"$work/stderr"; } 2>"$work/time" ||
            echo "$name failed: $(cat "$work/stderr")"
        ended=$(now)
        sync
        synced=$(now)
        times[$name]="${times[$name]:-} $(awk -v a="$start" -v b="$ended" 'BEGIN {print b - a}')"
        synctimes[$name]="${synctimes[$name]:-} $(awk -v a="$start" -v b="$synced" 'BEGIN {print b - a}')"
        cputimes[$name]="${cputimes[$name]:-} $(awk '{print $2 + $3}' "$work/time")"
        # Checked before its pages leave the cache, so that reading them back costs the next one nothing.
        [ "$round" = 1 ] && exacts+=("$name|$(exact "$kind" "$out")|$(ls "$out" | wc -l)")
        uncache "$out"
    done
done

median() { tr ' ' '\n' | grep . | sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

base=$(echo "${times[cp]}" | median)
syncbase=$(echo "${synctimes[cp]}" | median)
what="into 10-second Children"
[ -n "$silences" ] && what="cut at its silences"
printf '%s MiB %s-bit stereo %s Hz Mother %s, %s rounds, median wall times:\n' "$mib" \
    "$bits" "$rate" "$what" "$rounds"
printf 'until the command ends (its bytes in the page cache), until they are on disk (sync), and its\n'
printf 'processor time (user + system)\n\n'
printf '| %-16s | %8s | %6s | %12s | %6s | %8s | %5s | %s\n' "tool" "ends (s)" "to cp" "on disk (s)" "to cp" \
    "CPU (s)" "files" "sample-exact Children"
printf '|%s|%s|%s|%s|%s|%s|%s|%s\n' "------------------" "----------" "--------" "--------------" "--------" \
    "----------" "-------" "-----------------------"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
for entry in "${exacts[@]}"; do
    IFS='|' read -r name verdict files <<<"$entry"
    m=$(echo "${times[$name]}" | median)
    ms=$(echo "${synctimes[$name]}" | median)
    cpu=$(echo "${cputimes[$name]}" | median)
    printf '| %-16s | %8.3f | %6s | %12.3f | %6s | %8.3f | %5s | %s\n' "$name" "$m" "$(ratio "$m" "$base")" "$ms" \
        "$(ratio "$ms" "$syncbase")" "$cpu" "$files" "$verdict"
done

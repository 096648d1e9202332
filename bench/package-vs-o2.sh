#!/bin/bash
# Times morlando-split as the Debian package holds it against the same sources built with -O2,
# in paired runs of one benchmark: both split the same Mother of tones and silences (5 minutes,
# 16-bit stereo 44.1 kHz, written by this script) at its silences with `--at-silence`. Each round
# runs both, which goes first taking turns. Prints every round's wall and processor times, the
# medians and the ratios package / -O2, and whether both made the same Children. Figures only;
# no time is asserted.
#
#   bench/package-vs-o2.sh [--rounds N] [--minutes N] [--dir PATH] [--deb PATH] [--o2 PATH]
#
# Without --deb it makes the package as the tests do (the release preset, built in build/release,
# then cpack -G DEB) and takes the program out of it; --deb times another .deb (say, one made
# from the Debug build). Without --o2 it builds the -O2 program (no build type, CMAKE_CXX_FLAGS
# -O2) in /tmp/morlando-o2-build. The work folder (the Mother and two rounds' Children, about
# 3 x 53 MB) is removed at the end.
set -u

rounds=7
minutes=5
dir=${TMPDIR:-/tmp}
deb=
o2=
while [ $# -gt 0 ]; do
    case $1 in
    --rounds) rounds=$2; shift 2 ;;
    --minutes) minutes=$2; shift 2 ;;
    --dir) dir=$2; shift 2 ;;
    --deb) deb=$2; shift 2 ;;
    --o2) o2=$2; shift 2 ;;
    *) echo "usage: $0 [--rounds N] [--minutes N] [--dir PATH] [--deb PATH] [--o2 PATH]" >&2; exit 2 ;;
    esac
done

source_dir=$(cd "$(dirname "$0")/.." && pwd)
work=$dir/morlando-package-vs-o2-$$
mkdir -p "$work" || exit 2
trap 'rm -rf "$work"' EXIT

if [ -z "$deb" ]; then
    (cd "$source_dir" && cmake --preset release >/dev/null && cmake --build --preset release >/dev/null) || exit 2
    cpack --config "$source_dir/build/release/CPackConfig.cmake" -G DEB -B "$work/deb" >/dev/null || exit 2
    deb=$(ls "$work"/deb/*.deb)
fi
dpkg-deb -x "$deb" "$work/package" || exit 2
packaged=$work/package/usr/bin/morlando-split
if [ -z "$o2" ]; then
    build=/tmp/morlando-o2-build
    cmake -S "$source_dir" -B "$build" -DMORLANDO_TARGET=native -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS=-O2 >/dev/null &&
        cmake --build "$build" --target morlando-split -j2 >/dev/null || exit 2
    o2=$build/morlando-split
fi

# The Mother: tones of 3 to 11 s (four pitches whose periods are whole numbers of frames, at
# half of full scale) between silences of 1.5 to 2.5 s (zeros), the pattern repeated; the
# default --silence-min of 1 s cuts in every silence.
rate=44100
second=$((rate * 4))
data=$((minutes * 60 * second))
le16() { printf '\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)); }
le32() {
    printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255))
}
tone_second() {  # one second of a tone of $1 frames a period, both channels alike
    LC_ALL=C awk -v period="$1" -v rate=$rate 'BEGIN {
        for (f = 0; f < rate; f++) {
            v = int(16384 * sin(6.283185307179586 * (f % period) / period));
            if (v < 0) v += 65536;
            printf "%c%c%c%c", v % 256, int(v / 256), v % 256, int(v / 256);
        }
    }'
}
for period in 100 70 60 45; do tone_second $period >"$work/tone-$period.raw"; done  # 441, 630, 735, 980 Hz
head -c $((second / 2)) /dev/zero >"$work/half-silence.raw"
mother=$work/mother.wav
{
    printf "RIFF$(le32 $((data + 36)))WAVEfmt $(le32 16)\\x01\\x00\\x02\\x00$(le32 $rate)$(le32 $second)"
    printf "$(le16 4)$(le16 16)data$(le32 $data)"
    i=0
    while :; do
        periods=(100 70 60 45)
        for _ in $(seq 1 $((3 + i * 5 % 9))); do cat "$work/tone-${periods[i % 4]}.raw" || exit 0; done
        for _ in $(seq 1 $((3 + i % 3))); do cat "$work/half-silence.raw" || exit 0; done
        i=$((i + 1))
    done 2>/dev/null | head -c "$data"
} >"$mother"
rm -f "$work"/*.raw
sync

contenders=("package|$packaged" "-O2|$o2")
TIMEFORMAT='%R %U %S'
declare -A walls cpus
now() { date +%s.%N; }
printf 'round | program | wall (s) | user (s) | system (s)\n'
for round in $(seq 1 "$rounds"); do
    # The package first in odd rounds, the -O2 build first in even ones.
    order=(0 1)
    [ $((round % 2)) -eq 0 ] && order=(1 0)
    for k in "${order[@]}"; do
        IFS='|' read -r name program <<<"${contenders[k]}"
        out=$work/out-$k
        rm -rf "$out"
        mkdir -p "$out"
        sync
        { time "$program" --quiet --at-silence --name "$out/take" "$mother" >/dev/null 2>"$work/stderr"; } 2>"$work/time" ||
            echo "$name failed: $(cat "$work/stderr")"
        read -r wall user system <"$work/time"
        walls[$name]="${walls[$name]:-} $wall"
        cpus[$name]="${cpus[$name]:-} $(awk -v u="$user" -v s="$system" 'BEGIN {print u + s}')"
        printf '%5s | %-7s | %8s | %8s | %10s\n' "$round" "$name" "$wall" "$user" "$system"
    done
done

median() { tr ' ' '\n' | grep . | sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
same=no
diff -r "$work/out-0" "$work/out-1" >/dev/null && same=yes
echo
printf '%s-minute Mother of tones and silences cut at its silences (%s Children), %s paired rounds, medians:\n\n' \
    "$minutes" "$(ls "$work/out-0" | wc -l)" "$rounds"
printf '| program | --version | wall (s) | processor (s) |\n|---|---|---|---|\n'
for entry in "${contenders[@]}"; do
    IFS='|' read -r name program <<<"$entry"
    printf '| %s | %s | %s | %s |\n' "$name" "$("$program" --version | sed -n 2p)" \
        "$(echo "${walls[$name]}" | median)" "$(echo "${cpus[$name]}" | median)"
done
printf '\npackage / -O2: wall %s, processor %s; the same Children: %s\n' \
    "$(ratio "$(echo "${walls[package]}" | median)" "$(echo "${walls[-O2]}" | median)")" \
    "$(ratio "$(echo "${cpus[package]}" | median)" "$(echo "${cpus[-O2]}" | median)")" "$same"

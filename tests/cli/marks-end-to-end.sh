#!/bin/bash
# morlando-split cutting where the recording says, as a user runs it: a Broadcast WAV Mother with
# three named markers cut at them, at the same cuts in a label list and a CUE sheet, at the
# regions of a label list, and a Mother of tones between silences cut at its silences; then three
# Mothers in one command, one of them refused. Every Child is checked against the Mother's bytes.
#
#   tests/cli/marks-end-to-end.sh <morlando-split>
#
# The Mothers are 16-bit mono at 1 000 frames a second, 10 000 frames, so a frame is 2 bytes and
# a second 1 000 frames.
set -u
program=${1:?usage: $0 <morlando-split>}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.bash"

le32() { printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
le64() { printf '%s%s' "$(le32 $(($1 & 0xFFFFFFFF)))" "$(le32 $(($1 >> 32)))"; }
hex() { printf "$1" | od -An -tx1 | tr -d ' \n'; }  # printf escapes as the hex od shows
bytes_at() { od -An -tx1 -j "$2" -N "$3" "$1" 2>/dev/null | tr -d ' \n'; }  # file, offset, count
chunk() {  # id, the body on standard input: the chunk, padded to an even size
    local body size
    body=$(mktemp -p "$work")
    cat >"$body"
    size=$(stat -c %s "$body")
    printf "$1$(le32 $size)"
    cat "$body"
    [ $((size % 2)) = 0 ] || printf '\0'
}
riff() { { printf WAVE; cat; } | chunk RIFF; }  # the chunks on standard input, as a WAV file
fmt() { printf '\x01\x00\x01\x00'"$(le32 1000)$(le32 2000)"'\x02\x00\x10\x00' | chunk 'fmt '; }
tone() { head -c $(($1 * 2)) /dev/urandom | tr '\000-\377' '\200-\277\200-\277\200-\277\200-\277'; }  # loud frames
silence() { head -c $(($1 * 2)) /dev/zero; }

# Each Child named here ends in a data chunk of its frames, and laid end to end their samples are
# these: "folder samples name:frames ...".
end_to_end() {
    local folder=$1 samples=$2 child name frames
    shift 2
    for child in "$@"; do
        name=${child%:*}
        frames=${child##*:}
        [ -f "$folder/$name" ] &&
            [ "$(bytes_at "$folder/$name" $(($(stat -c %s "$folder/$name") - frames * 2 - 8)) 8)" = \
              "$(hex "data$(le32 $((frames * 2)))")" ] || return 1
    done
    for child in "$@"; do tail -c $((${child##*:} * 2)) "$folder/${child%:*}"; done | cmp -s - "$samples"
}

# 1. A Broadcast WAV with three named markers (unsorted in its cue chunk), its TimeReference just
# short of 2^32 so that moving it carries into the high half.
reference=4294966296
tone 10000 >"$work/samples"
point() { printf "$(le32 $1)$(le32 $2)data$(le32 0)$(le32 0)$(le32 $2)"; }  # id, frame
label() { printf "$(le32 $1)%s\\0" "$2" | chunk labl; }  # id, name
{
    fmt
    { head -c 338 /dev/zero; printf "$(le64 $reference)"; head -c 256 /dev/zero; } | chunk bext
    chunk data <"$work/samples"
    { printf "$(le32 3)"; point 1 6000; point 2 2000; point 3 8400; } | chunk 'cue '
    { printf adtl; label 1 'a/b'; label 2 'intro:one'; label 3 coda; } | chunk LIST
} | riff >"$work/take.wav"
printf '2\t2\tintro:one\n6,0\t6,0\ta/b\n8.4\t8.4\tcoda\n' >"$work/take.txt"
printf 'FILE "take.wav" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n  TRACK 02 AUDIO\n' >"$work/take.cue"
printf '    TITLE "intro:one"\n    INDEX 01 00:02:00\n  TRACK 03 AUDIO\n    TITLE "a/b"\n' >>"$work/take.cue"
printf '    INDEX 01 00:06:00\n  TRACK 04 AUDIO\n    TITLE coda\n    INDEX 01 00:08:30\n' >>"$work/take.cue"

children="take1.WAV take2-intro_one.WAV take3-a_b.WAV take4-coda.WAV"
mkdir "$work/markers"
"$program" --quiet --at-markers --name "$work/markers/take" "$work/take.wav"
status=$?
check "--at-markers: four Children, named after their markers with : and / as _" eval \
    '[ $status = 0 ] && [ "$(ls "$work/markers" | sort | tr "\n" " ")" = "$children " ]'
check "--at-markers: each Child ends in its frames, laid end to end they are the Mother's samples" \
    end_to_end "$work/markers" "$work/samples" take1.WAV:2000 take2-intro_one.WAV:4000 take3-a_b.WAV:2400 \
    take4-coda.WAV:1600
moved=yes
for child in take1.WAV:0 take2-intro_one.WAV:2000 take3-a_b.WAV:6000 take4-coda.WAV:8400; do
    [ "$(bytes_at "$work/markers/${child%:*}" 36 8)" = "$(hex "bext$(le32 602)")" ] &&
        [ "$(bytes_at "$work/markers/${child%:*}" 382 8)" = "$(hex "$(le64 $((reference + ${child#*:})))")" ] ||
        moved=no
done
check "--at-markers: each Child's bext TimeReference is the Mother's moved by its first frame" eval '[ $moved = yes ]'
for rule in "--at-labels:$work/take.txt" "--at-cue:$work/take.cue"; do
    mkdir "$work/${rule%%:*}"
    "$program" --quiet "${rule%%:*}" "${rule#*:}" --name "$work/${rule%%:*}/take" "$work/take.wav"
    status=$?
    check "${rule%%:*} at the same times: the same Children, byte for byte" eval \
        '[ $status = 0 ] && diff -r "$work/markers" "$work/${rule%%:*}" >/dev/null'
done

# 2. Regions of a label list, overlapping, with a gap and one without a name: exactly those frames.
printf '1\t3\tfirst\n2,5\t4\tsecond\n7\t9,25\t\n' >"$work/regions.txt"
mkdir "$work/regions"
"$program" --quiet --at-labels "$work/regions.txt" --name "$work/regions/take" "$work/take.wav"
status=$?
exact=yes
for child in take1-first.WAV:1000:2000 take2-second.WAV:2500:1500 take3.WAV:7000:2250; do
    name=${child%%:*}
    first=${child#*:}
    first=${first%:*}
    end_to_end "$work/regions" <(tail -c +$((first * 2 + 1)) "$work/samples" | head -c $((${child##*:} * 2))) \
        "$name:${child##*:}" || exact=no
done
check "--at-labels with regions: three Children, each exactly its region" eval \
    '[ $status = 0 ] && [ $exact = yes ] && [ "$(ls "$work/regions" | wc -l)" = 3 ]'

# 3. Tones between silences: silence at the start (no cut), 1 500 frames (cut at 2 750), 999
# frames (shorter than the default second: no cut), 1 000 frames (cut at 7 000).
{ silence 500; tone 1500; silence 1500; tone 1000; silence 999; tone 1001; silence 1000; tone 2500; } \
    >"$work/tones"
{ fmt; chunk data <"$work/tones"; } | riff >"$work/tones.wav"
mkdir "$work/silence"
"$program" --quiet --at-silence --name "$work/silence/tones" "$work/tones.wav"
status=$?
check "--at-silence: three Children cut in the middle of the silences of a second or more" eval \
    '[ $status = 0 ] && [ "$(ls "$work/silence" | wc -l)" = 3 ] &&
     end_to_end "$work/silence" "$work/tones" tones1.WAV:2750 tones2.WAV:4250 tones3.WAV:3000'

# 4. Three Mothers in one command, the middle one not a WAV: the other two split beside
# themselves, and the status is the worst.
mkdir "$work/batch"
cp "$work/take.wav" "$work/batch/a.wav"
cp "$work/tones.wav" "$work/batch/c.wav"
echo "not a recording" >"$work/batch/b.wav"
"$program" --every 4s "$work/batch/a.wav" "$work/batch/b.wav" "$work/batch/c.wav" 2>"$work/stderr"
status=$?
check "three Mothers, one refused: exit 1, the other two split, the summary names each result" eval \
    '[ $status = 1 ] && [ "$(ls "$work/batch" | wc -l)" = 9 ] &&
     grep -q "/a\.wav: split into 3 Children$" "$work/stderr" && grep -q "/b\.wav: refused: " "$work/stderr" &&
     grep -q "/c\.wav: split into 3 Children$" "$work/stderr" &&
     end_to_end "$work/batch" "$work/samples" a1.WAV:4000 a2.WAV:4000 a3.WAV:2000 &&
     end_to_end "$work/batch" "$work/tones" c1.WAV:4000 c2.WAV:4000 c3.WAV:2000'

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]

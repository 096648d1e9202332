#!/bin/bash
# morlando-split with its Mother on standard input, "-": piped with each data size a writer
# leaves (true, 0, 0xFFFFFFFF) and as RF64, cut by --every, --at-silence and --at-cue, it gives
# the Children of the same file byte for byte; a stream that ends inside a frame, a stop from
# outside in the middle of a Child, a Child that cannot be written, padded names and the list of
# the Children, and the lines a stream cannot serve.
#
#   tests/cli/stream.sh <morlando-split>
#
# The Mother is 16-bit mono at 1 000 frames a second (a frame is 2 bytes, a second 1 000
# frames), with a bext, an iXML and an odd-sized JUNK chunk before its samples, and it reaches
# the program through dd in blocks of 1 001 bytes, so that frames are cut between reads. A take
# as users record one, 16-bit stereo at 44.1 kHz with markers and a silence longer than a read
# block, arrives in odd-sized pieces with pauses between them, so that the program waits in the
# middle of a frame, and from a file standard input is redirected from.
set -u
program=${1:?usage: $0 <morlando-split>}
work=$(mktemp -d)
writer=
trap 'kill $writer 2>/dev/null; rm -rf "$work"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.bash"

le32() { printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
le64() { printf '%s%s' "$(le32 $(($1 & 0xFFFFFFFF)))" "$(le32 $(($1 >> 32)))"; }
chunk() {  # id, the body on standard input: the chunk, padded to an even size
    local body size
    body=$(mktemp -p "$work")
    cat >"$body"
    size=$(stat -c %s "$body")
    printf "$1$(le32 $size)"
    cat "$body"
    [ $((size % 2)) = 0 ] || printf '\0'
}
tone() { head -c $(($1 * 2)) /dev/urandom | tr '\000-\377' '\200-\277\200-\277\200-\277\200-\277'; }
silence() { head -c $(($1 * 2)) /dev/zero; }
piped() { dd bs=1001 status=none <"$1"; }
# Pieces of 65 537 bytes, a hundredth of a second apart: the program empties the pipe between
# them, so that it stops in the middle of a frame and at every offset within one.
trickled() {
    local pieces
    pieces=$((($(stat -c %s "$1") + 65536) / 65537))
    exec 3<"$1"
    for _ in $(seq $pieces); do
        dd bs=65537 count=1 status=none <&3
        sleep 0.01
    done
    exec 3<&-
}
fed() {  # how the Mother reaches standard input, the Mother, then the program and its words
    local how=$1 mother=$2
    shift 2
    case $how in
    redirected) "$@" <"$mother" ;;
    *) $how "$mother" | "$@" ;;
    esac
}

# Silences of 1 200 and 1 500 frames (cut at 2 100 and 4 350) and one of 600 (cut at 7 400 only
# when 0.5 s is enough, and then merged away by a piece of 2 s): 9 000 frames.
{ tone 1500; silence 1200; tone 900; silence 1500; tone 2000; silence 600; tone 1300; } >"$work/samples"
before_data() {
    printf '\x01\x00\x01\x00'"$(le32 1000)$(le32 2000)"'\x02\x00\x10\x00' | chunk 'fmt '
    { head -c 338 /dev/zero; printf "$(le64 4294966296)"; head -c 256 /dev/zero; } | chunk bext
    printf '<BWFXML><NOTE>take</NOTE></BWFXML>' | chunk iXML
    printf 'odd' | chunk JUNK
}
riff() {  # the data size field
    { printf WAVE; before_data; printf "data$(le32 $1)"; cat "$work/samples"; } >"$work/body"
    printf "RIFF$(le32 $(stat -c %s "$work/body"))"
    cat "$work/body"
}
riff 18000 >"$work/true.wav"
riff 0 >"$work/zero.wav"
riff 4294967295 >"$work/ffff.wav"
{
    printf "RF64$(le32 4294967295)WAVE"
    printf "$(le64 0)$(le64 0)$(le64 0)$(le32 0)" | chunk ds64  # sizes a pipe writer could not know
    before_data
    printf "data$(le32 4294967295)"
    cat "$work/samples"
} >"$work/rf64.wav"
printf 'FILE "take.wav" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n  TRACK 02 AUDIO\n' >"$work/take.cue"
printf '    TITLE "two"\n    INDEX 01 00:03:00\n  TRACK 03 AUDIO\n    INDEX 01 00:06:37\n' >>"$work/take.cue"

# The same split of the file and of the stream: "files rule..." for every Mother named, fed as
# $feed says (piped unless told).
same_children() {
    local mothers=$1 kind status
    shift
    for kind in $mothers; do
        rm -rf "$work/file" "$work/stream"
        mkdir "$work/file" "$work/stream"
        "$program" --quiet "$@" --name "$work/file/k" "$work/$kind.wav" 2>/dev/null
        fed "${feed:-piped}" "$work/$kind.wav" "$program" --quiet "$@" --name "$work/stream/k" - 2>"$work/stderr"
        status=$?
        check "$kind ${feed:-piped}, $*: exit 0, the file's $(ls "$work/file" | wc -l) Children byte for byte" eval \
            '[ $status = 0 ] && [ ! -s "$work/stderr" ] && [ -n "$(ls "$work/file")" ] &&
             diff -r "$work/file" "$work/stream" >/dev/null'
    done
}
same_children "true zero ffff rf64" --every 2s
same_children "true zero ffff" --at-silence
same_children "true zero ffff" --at-silence --silence-min 500ms --min-piece 2s
same_children "true zero ffff" --at-cue "$work/take.cue"
same_children "true" --every 3s --from 2

# The take: 2 s of sound, 8 s of silence (1.4 MB: its second half moves into the next Child once
# the silence ends), 10 s of sound, 1.5 s of silence, 5 s of sound; markers at 1, 13.6, 15.9 and
# 22.7 s, so that the Children cut at the silences, of 1.06 and 2.6 MB, get a cue chunk once they
# end and their samples move behind it.
wide_tone() { head -c $(($1 * 4)) /dev/urandom | tr '\000-\377' '\200-\277\200-\277\200-\277\200-\277'; }
cue_point() { printf "$(le32 $1)$(le32 $2)data$(le32 0)$(le32 0)$(le32 $2)"; }
{ wide_tone 88200; head -c 1411200 /dev/zero; wide_tone 441000; head -c 264600 /dev/zero; wide_tone 220500; } \
    >"$work/take.samples"
{
    printf WAVE
    printf '\x01\x00\x02\x00'"$(le32 44100)$(le32 176400)"'\x04\x00\x10\x00' | chunk 'fmt '
    { printf "$(le32 4)"; cue_point 1 44100; cue_point 2 600000; cue_point 3 700000; cue_point 4 1000000; } |
        chunk 'cue '
    printf "data$(le32 4674600)"
    cat "$work/take.samples"
} >"$work/body"
{ printf "RIFF$(le32 "$(stat -c %s "$work/body")")"; cat "$work/body"; } >"$work/take.wav"
feed=trickled same_children "take" --every 5s
feed=trickled same_children "take" --at-silence
cue_at=$(LC_ALL=C grep -obaF "cue " "$work/stream/k2.WAV" | head -n 1 | cut -d: -f1)
check "the take cut at its silences: 3 Children, the middle one its 650 475 frames behind two markers" eval \
    '[ "$(ls "$work/stream" | tr "\n" " ")" = "k1.WAV k2.WAV k3.WAV " ] && [ -n "$cue_at" ] &&
     [ "$(od -An -tu4 -j $((cue_at + 8)) -N 4 "$work/stream/k2.WAV" | tr -d " ")" = 2 ] &&
     cmp -s <(tail -c 2601900 "$work/stream/k2.WAV") <(tail -c +1058401 "$work/take.samples" | head -c 2601900)'
feed=trickled same_children "take" --at-silence --no-metadata
check "--no-metadata: no cue chunk in the stream's Children" eval '! grep -q "cue " "$work"/stream/k*.WAV'
feed=redirected same_children "take" --every 5s

# Padded names and the list of the Children: the stream's are the file's.
rm -rf "$work/file" "$work/stream"
mkdir "$work/file" "$work/stream"
"$program" --quiet --every 3s --digits 3 --list "$work/file.csv" --name "$work/file/k" "$work/true.wav"
piped "$work/true.wav" | "$program" --quiet --every 3s --digits 3 --list "$work/stream.csv" --name "$work/stream/k" -
check "--digits 3 --list: the stream's Children and list are the file's, k001.WAV to k003.WAV" eval \
    'diff -r "$work/file" "$work/stream" >/dev/null && [ -e "$work/stream/k003.WAV" ] &&
     [ "$(sed "s#/file/#/#" "$work/file.csv")" = "$(sed "s#/stream/#/#" "$work/stream.csv")" ] &&
     [ "$(wc -l <"$work/stream.csv")" = 4 ]'

# A stream that ends inside a frame: its whole frames are the Children, the last byte is told.
head -c -1 "$work/zero.wav" >"$work/cut.wav"
rm -rf "$work/file" "$work/stream"
mkdir "$work/file" "$work/stream"
"$program" --quiet --every 2s --name "$work/file/k" "$work/cut.wav" 2>/dev/null
piped "$work/cut.wav" | "$program" --quiet --every 2s --name "$work/stream/k" - 2>"$work/stderr"
status=$?
check "a stream ending inside a frame: exit 0, the whole frames in the file's Children, the byte told" eval \
    '[ $status = 0 ] && diff -r "$work/file" "$work/stream" >/dev/null &&
     grep -qx "morlando-split: warning: the stream ended inside a frame" "$work/stderr" &&
     grep -qx "  bytes after the last whole frame = 1" "$work/stderr"'

# Stopped in the middle of its third Child, the stream holding 5 500 frames for now: k3.WAV is
# kept with its 1 500 frames, a whole WAV of them.
{ printf "RIFF$(le32 0)WAVE"; before_data; printf "data$(le32 0)"; } >"$work/head"
mkfifo "$work/pipe"
for case in INT:130 TERM:143 HUP:129; do
    signal=${case%:*}
    rm -rf "$work/stream"
    mkdir "$work/stream"
    { cat "$work/head"; head -c 11000 "$work/samples"; exec sleep 60; } >"$work/pipe" &
    writer=$!
    "$program" --every 2s --name "$work/stream/k" - <"$work/pipe" 2>"$work/stderr" &
    pid=$!
    for _ in $(seq 300); do [ -e "$work/stream/k2.WAV" ] && break; sleep 0.01; done
    sleep 0.3
    kill -$signal $pid
    wait $pid
    status=$?
    kill $writer
    wait $writer 2>/dev/null
    length=$(stat -c %s "$work/stream/k3.WAV" 2>/dev/null)
    check "SIG$signal in the middle of a Child: exit ${case#*:}, the message, k3.WAV whole with its 1 500 frames" eval \
        '[ $status = ${case#*:} ] && [ "$length" = $(($(stat -c %s "$work/stream/k1.WAV") - 1000)) ] &&
         grep -qx "morlando-split: stream stopped from outside" "$work/stderr" &&
         grep -qx "  complete CHILDREN = 3" "$work/stderr" && grep -qx "  frames received = 5500" "$work/stderr" &&
         [ "$(od -An -tu4 -j 4 -N 4 "$work/stream/k3.WAV" | tr -d " ")" = $((length - 8)) ] &&
         [ "$(od -An -tu4 -j $((length - 3004)) -N 4 "$work/stream/k3.WAV" | tr -d " ")" = 3000 ] &&
         cmp -s <(tail -c 3000 "$work/stream/k3.WAV") <(tail -c +8001 "$work/samples" | head -c 3000) &&
         [ -z "$(find "$work/stream" -name "*.part")" ]'
done

# A Child larger than the system lets a file grow: removed, and the stream lost from its first frame.
rm -rf "$work/stream"
mkdir "$work/stream"
(trap '' XFSZ; ulimit -f 4; piped "$work/true.wav" | "$program" --every 3s --name "$work/stream/k" - 2>"$work/stderr")
status=$?
check "a Child that cannot be written: exit 1, removed, the message says why and from which frame" eval \
    '[ $status = 1 ] && [ -z "$(ls -A "$work/stream")" ] &&
     grep -qx "morlando-split: CHILD Wavfile cannot be written" "$work/stderr" &&
     grep -qx "  split stopped, the incomplete CHILD was removed" "$work/stderr" &&
     grep -qx "  the rest of the stream is lost from frame 0" "$work/stderr"'

# What a stream cannot serve: exit 2, nothing read, and why.
while IFS='|' read -r line message; do
    # shellcheck disable=SC2086
    "$program" $line <"$work/true.wav" 2>"$work/stderr"
    status=$?
    check "$line: exit 2, \"$message\"" eval \
        '[ $status = 2 ] && [ "$(head -n 1 "$work/stderr")" = "morlando-split: $message" ]'
done <<'LINES'
--pieces 3 --name out/k -|--pieces: not with - (how many frames a stream holds is known only at its end)
--at-markers --name out/k -|--at-markers: not with - (a stream's markers follow its samples)
--every 1s -|-: give --name PATH/STEM (a stream has no file name to name the Children after)
--every 1s --name out/k --dry-run -|--dry-run: not with - (a stream is read once, by the split itself)
--every 1s --digits auto --name out/k -|--digits auto: not with - (a stream has no last number to take the width of); give --digits N
LINES

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]

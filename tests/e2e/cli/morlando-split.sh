#!/bin/bash
# The console program morlando-split.exe under Wine: help, a split of a one-minute Mother into
# 10-second Children checked against the Mother's bytes, by the window's rules and in the Mother's
# own time, a 24-bit 48 kHz Mother cut at its own frames, a dry run that writes nothing, and the
# refusals with their exit statuses, stops, and a full disk resumed. No display is needed.
#
#   tests/e2e/cli/morlando-split.sh <windows-build-dir>
#
# Works in <build>/e2e/cli with a Wine prefix of its own; prints one line per check and ends with
# "N passed, N failed"; the exit status is 1 when any check failed.
set -u

build=$(cd "${1:?usage: $0 <windows-build-dir>}" && pwd) || exit 2
exe=$build/morlando-split.exe
[ -f "$exe" ] || { echo "missing $exe (build the windows target first)" >&2; exit 2; }
out=$build/e2e/cli
work=$out/work
export WINEPREFIX=$out/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Whatever ran in this prefix ends with the script, as the window scenarios' programs end with
# theirs: a wineserver and its services left behind keep the build folder busy.
end_wine() {
    wineserver -k >/dev/null 2>&1
    wineserver -w >/dev/null 2>&1
}
trap end_wine EXIT
rm -rf "$work"
mkdir -p "$work" "$WINEPREFIX"
[ -f "$WINEPREFIX/system.reg" ] || wineboot -i >"$out/wineboot.log" 2>&1 </dev/null

source "$(dirname "${BASH_SOURCE[0]}")/../../support/checks.bash"

# Runs the program in the work folder; its status in $status, its outputs in $work/stdout, stderr.
split() {
    (cd "$work" && wine "$exe" "$@" >"$out/stdout" 2>"$out/stderr" </dev/null)
    status=$?
    tr -d '\r' <"$out/stdout" >"$out/stdout.txt"
    tr -d '\r' <"$out/stderr" >"$out/stderr.txt"
}

le32() {  # four bytes, least significant first, as printf escapes
    printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255))
}

# A 16-bit stereo 44 100 Hz header for this many data bytes.
header() {
    printf "RIFF$(le32 $(($1 + 36)))WAVEfmt $(le32 16)\\x01\\x00\\x02\\x00$(le32 44100)$(le32 176400)"
    printf "\\x04\\x00\\x10\\x00data$(le32 "$1")"
}

bytes_at() {  # file, offset, count: the bytes as hex
    od -An -tx1 -j "$2" -N "$3" "$1" | tr -d ' \n'
}

size_is() { [ "$(stat -c %s "$1" 2>/dev/null)" = "$2" ]; }
same_slice() { cmp -s -n "$5" -i "$2:$4" "$1" "$3"; }  # a, offset a, b, offset b, count
stderr_has() { grep -qF -- "$1" "$out/stderr.txt"; }
stdout_has() { grep -qF -- "$1" "$out/stdout.txt"; }
files_in_work() { find "$work" -type f | wc -l; }

{ header 10584000; head -c 10584000 /dev/urandom; } >"$work/take.wav"

split --help
check "--help exits 0 and lists the options with examples" \
    eval '[ $status -eq 0 ] && stdout_has "--every LENGTH" && stdout_has "morlando-split --every 10s take.wav"'

split --version
# The exe of the zip and the installer: the release build, optimised, without assertions.
check "--version: the version and an optimised build" eval '[ $status -eq 0 ] && [ "$(cat "$out/stdout.txt")" = "morlando-split 1.0
build: Release, optimised, assertions off" ]'

split --window-rules --every 10s --dry-run take.wav
check "--dry-run lists six Children and writes nothing" \
    eval '[ $status -eq 0 ] && [ "$(wc -l <"$out/stdout.txt")" = 6 ] && [ "$(files_in_work)" = 1 ] &&
          stdout_has "take6.WAV  1763912 bytes  from 50.00 s (MOTHER byte 8820044)"'

split --window-rules --every 10s take.wav
check "--window-rules --every 10s exits 0 and tells each Child" eval '[ $status -eq 0 ] && stderr_has "take6.WAV  1763912 bytes"'
for n in 1 2 3 4 5; do
    check "take$n.WAV holds its 10 s of the Mother" eval \
        'size_is "$work/take$n.WAV" 1764044 && same_slice "$work/take$n.WAV" 44 "$work/take.wav" $((44 + (n - 1) * 1764000)) 1764000'
done
# RIFF 1 763 904, 16-bit stereo 44 100 Hz PCM, data 1 763 868: 10 583 932 - 5 x 1 764 000 - 64.
take6_header=5249464640ea1a0057415645666d7420100000000100020044ac000010b1020004001000646174611cea1a00
check "take6.WAV is the window's short rest with its own sizes" eval \
    'size_is "$work/take6.WAV" 1763912 && same_slice "$work/take6.WAV" 44 "$work/take.wav" 8820044 1763868 &&
     [ "$(bytes_at "$work/take6.WAV" 0 44)" = "$take6_header" ]'
check "no seventh Child" eval '[ ! -e "$work/take7.WAV" ]'
rm -f "$work"/take?.WAV

split --every 10s take.wav
check "in its own time: six whole Children of 10 s, the last one as long" eval \
    '[ $status -eq 0 ] && size_is "$work/take6.WAV" 1764044 && [ ! -e "$work/take7.WAV" ] &&
     same_slice "$work/take6.WAV" 44 "$work/take.wav" 8820044 1764000 &&
     [ "$(bytes_at "$work/take6.WAV" 0 44)" = "$(bytes_at "$work/take1.WAV" 0 44)" ]'

mkdir -p "$work/out"
split --every 0.25s --from 239 --block 100 --name 'Z:'"$(printf %s "$work" | tr / '\\')"'\out\beat' take.wav
check "--name in a folder, --from and --block" eval \
    '[ $status -eq 0 ] && size_is "$work/out/beat239.WAV" 44144 && size_is "$work/out/beat240.WAV" 44144 &&
     [ ! -e "$work/out/beat238.WAV" ] && [ ! -e "$work/out/beat241.WAV" ] &&
     same_slice "$work/out/beat240.WAV" 44 "$work/take.wav" $((44 + 239 * 44100)) 44100'

# 24-bit stereo 48 kHz, 25 s and 7 frames: Children of 10 s, 10 s and 5 s + 7 frames, each headed
# 24-bit 48 kHz (RIFF size, fmt: PCM, 2 channels, 48 000 Hz, 288 000 bytes/s, 6-byte frames, 24
# bits, data size), with the Mother's bytes of its frames.
hifi_data=$(((25 * 48000 + 7) * 6))
{
    printf "RIFF$(le32 $((hifi_data + 36)))WAVEfmt $(le32 16)\\x01\\x00\\x02\\x00$(le32 48000)$(le32 288000)"
    printf "\\x06\\x00\\x18\\x00data$(le32 $hifi_data)"
    head -c $hifi_data /dev/urandom
} >"$work/hifi.wav"
split --every 10s hifi.wav
hifi_fmt=57415645666d74201000000001000200$(printf %s 80bb0000 00650400 06001800)64617461
check "a 24-bit 48 kHz Mother: three Children headed 24-bit 48 kHz, cut at whole frames, byte-exact" eval \
    '[ $status -eq 0 ] && [ ! -e "$work/hifi4.WAV" ] &&
     size_is "$work/hifi1.WAV" 2880044 && size_is "$work/hifi2.WAV" 2880044 && size_is "$work/hifi3.WAV" 1440086 &&
     [ "$(bytes_at "$work/hifi1.WAV" 0 44)" = "5249464624f22b00${hifi_fmt}00f22b00" ] &&
     [ "$(bytes_at "$work/hifi3.WAV" 0 44)" = "524946464ef91500${hifi_fmt}2af91500" ] &&
     same_slice "$work/hifi1.WAV" 44 "$work/hifi.wav" 44 2880000 &&
     same_slice "$work/hifi2.WAV" 44 "$work/hifi.wav" 2880044 2880000 &&
     same_slice "$work/hifi3.WAV" 44 "$work/hifi.wav" 5760044 1440042'
rm -f "$work"/hifi*

# Names in any script. The manifest makes UTF-8 the code page of the arguments and of every name
# the program opens: a Mother named in three scripts with two markers named in Japanese and
# German, its Children in a folder of such a name (--into) named from the markers, their list; a
# label list and a CUE sheet of such names and titles, with --name. Every letter is kept.
check "the program carries its version and the manifest of the UTF-8 code page" eval \
    'strings -el "$exe" | grep -qx "morlando-split.exe" && strings -n 3 -el "$exe" | grep -qx "1.0" &&
     grep -q "<activeCodePage[^>]*>UTF-8</activeCodePage>" "$exe"'
chunk() {  # id, the body on standard input: the chunk, padded to an even size
    local body size
    body=$(mktemp -p "$out")
    cat >"$body"
    size=$(stat -c %s "$body")
    printf "$1$(le32 $size)"
    cat "$body"
    [ $((size % 2)) = 0 ] || printf '\0'
    rm -f "$body"
}
# A Child's last bytes (its data chunk comes last) against a slice of the Mother: child, count, offset.
ends_in() { cmp -s <(tail -c "$2" "$1") <(tail -c +$(($3 + 1)) "$work/$mother.wav" | head -c "$2"); }
point() { printf "$(le32 $1)$(le32 $2)data$(le32 0)$(le32 0)$(le32 $2)"; }  # id, frame
label() { printf "$(le32 $1)%s\\0" "$2" | chunk labl; }                     # id, name
mother=Aufnahme_日本_łódź
{
    printf WAVE
    printf '\x01\x00\x02\x00'"$(le32 44100)$(le32 176400)"'\x04\x00\x10\x00' | chunk 'fmt '
    head -c 529200 "$work/take.wav" | tail -c 529156 | { cat; head -c 44 /dev/zero; } | chunk data
    { printf "$(le32 2)"; point 1 44100; point 2 88200; } | chunk 'cue '
    { printf adtl; label 1 '録音'; label 2 'Üben 日本'; } | chunk LIST
} | chunk RIFF >"$work/$mother.wav"
mkdir -p "$work/出力_ü/$mother.99999-0123abcd.part"  # a killed run's, to be removed
split --at-markers --into 出力_ü --list 出力_ü/一覧.csv "$mother.wav"
intl=$work/出力_ü/$mother
check "--at-markers, --into and --list in any script: three Children named from the markers, every letter kept" eval \
    '[ $status -eq 0 ] && [ -f "$intl""1.WAV" ] && [ -f "$intl""2-録音.WAV" ] && [ -f "$intl""3-Üben 日本.WAV" ] &&
     ends_in "$intl""1.WAV" 176400 44 && ends_in "$intl""2-録音.WAV" 176400 176444 &&
     ends_in "$intl""3-Üben 日本.WAV" 176400 352844 &&
     stderr_has "$mother""3-Üben 日本.WAV" && grep -qF "$mother""2-録音.WAV" "$work/出力_ü/一覧.csv" &&
     [ -z "$(find "$work/出力_ü" -name "*.part")" ]'
printf '0\t1\tłódź\n1\t3\t終わり\n' >"$work/ラベル.txt"
printf 'FILE "x.wav" WAVE\n  TRACK 01 AUDIO\n    TITLE "łódź"\n    INDEX 01 00:00:00\n' >"$work/曲.cue"
printf '  TRACK 02 AUDIO\n    TITLE "終わり"\n    INDEX 01 00:01:00\n' >>"$work/曲.cue"
for rule in --at-labels:ラベル.txt --at-cue:曲.cue; do
    rm -rf "$work/名前" && mkdir "$work/名前"
    split "${rule%%:*}" "${rule#*:}" --name 名前/歌 "$mother.wav"
    check "${rule%%:*} from a file named in Japanese, --name 名前/歌: Children titled in Polish and Japanese" eval \
        '[ $status -eq 0 ] && [ "$(ls "$work/名前" | sort | tr "\n" " ")" = "歌1-łódź.WAV 歌2-終わり.WAV " ] &&
         ends_in "$work/名前/歌1-łódź.WAV" 176400 44 && ends_in "$work/名前/歌2-終わり.WAV" 352800 176444'
done
rm -rf "$work/名前" "$work/出力_ü" "$work/$mother.wav" "$work/ラベル.txt" "$work/曲.cue"

split --every 10s missing.wav
check "a missing Mother: exit 1, named with its cause" \
    eval '[ $status -eq 1 ] && stderr_has "MOTHER Wavfile cannot be opened" && stderr_has "missing.wav"'

before=$(files_in_work)
split --every 10s --name take take1.WAV
check "a Child that is the Mother: exit 1, nothing written" \
    eval '[ $status -eq 1 ] && stderr_has "CHILD name is the MOTHER Wavfile" && [ "$(files_in_work)" = "$before" ]'

split --window-rules --every 0.125s take.wav
check "a length the time cuts cannot choose: usage, exit 2" eval '[ $status -eq 2 ] && stderr_has "usage: morlando-split"'

split --every 1e3 take.wav
check "a length that is no duration: usage, exit 2" eval '[ $status -eq 2 ] && stderr_has "expected a duration"'

split take.wav
check "no piece length: usage, exit 2" eval '[ $status -eq 2 ] && stderr_has "no piece length"'

# Ctrl+C: Wine hands a SIGINT of the program's process to its console handler as the console's
# Ctrl+C event. (An event generated by a helper in the same console with GenerateConsoleCtrlEvent
# does not reach the program under Wine: without a terminal the helper has no console that can
# carry one, and one made with AllocConsole passes it on to no one.) 1/100 s Children, so that
# the split is still going when the third one exists.
stopped=$work/stopped
mkdir -p "$stopped"
start_split() {  # in the background; $waiting is the program itself (wine keeps the process of its exec)
    (cd "$stopped" && exec wine "$exe" --every 0.01s --name kid ../take.wav >"$out/stdout" 2>"$out/stderr" </dev/null) &
    waiting=$!
    for _ in $(seq 600); do [ -e "$stopped/kid3.WAV" ] && break; sleep 0.05; done
}
# Every file named as a Child holds the header of a 1/100 s Child and its exact slice of the Mother.
kid_header=$(header 1764 | od -An -tx1 | tr -d ' \n')
children_whole() {
    local file n
    for file in "$stopped"/kid*.WAV; do
        n=${file##*/kid}
        n=${n%.WAV}
        [ "$(bytes_at "$file" 0 44)" = "$kid_header" ] && size_is "$file" 1808 &&
            same_slice "$file" 44 "$work/take.wav" $((44 + (n - 1) * 1764)) 1764 || return 1
    done
}
start_split
kill -INT $waiting
wait $waiting
status=$?
tr -d '\r' <"$out/stderr" >"$out/stderr.txt"
check "Ctrl+C: exit 130, the message with the Children complete" eval \
    '[ $status -eq 130 ] && stderr_has "morlando-split: split stopped from outside" &&
     stderr_has "  complete CHILDREN = $(find "$stopped" -name "kid*.WAV" | wc -l)" && stderr_has "  no incomplete CHILD is left"'
check "Ctrl+C: at least three Children, each whole, no temporary file" eval \
    '[ -e "$stopped/kid3.WAV" ] && children_whole && [ -z "$(find "$stopped" -name "*.part")" ]'

rm -f "$stopped"/*
start_split
kill -KILL $waiting
wait $waiting
check "killed: every file named as a Child is whole" eval '[ -e "$stopped/kid3.WAV" ] && children_whole'
# As a killed run leaves its folder; 99999 is no Windows process id (those are multiples of 4).
mkdir -p "$stopped/kid.99999-0123abcd.part" && touch "$stopped/kid.99999-0123abcd.part/kid9.WAV"
(cd "$stopped" && wine "$exe" --quiet --every 10s --name kid ../take.wav </dev/null >/dev/null 2>&1)
check "the next split removes the temporary files of runs that no longer run" eval \
    '[ -z "$(find "$stopped" -name "*.part")" ] && size_is "$stopped/kid1.WAV" 1764044'

# A folder that fills up: a 3 MiB tmpfs, where mounting is allowed (root, as the install step).
small=$work/small
mkdir -p "$small"
if mount -t tmpfs -o size=3m morlando-cli-small "$small" 2>/dev/null; then
    split --every 1s --name 'Z:'"$(printf %s "$small" | tr / '\\')"'\kid' take.wav
    check "a folder that fills up: exit 1, the Child and the cause named, only complete Children left" eval \
        '[ $status -eq 1 ] && stderr_has "CHILD Wavfile cannot be written" &&
         stderr_has "split stopped, the incomplete CHILD was removed" && size_is "$small/kid1.WAV" 176444 &&
         [ -z "$(find "$small" -type f ! -size 176444c)" ]'
    # Room made, the same split resumed (twice: the second finds every Child and replaces the list).
    kept=$(find "$small" -name 'kid*.WAV' | wc -l)
    mount -o remount,size=16m "$small"
    small_dos='Z:'"$(printf %s "$small" | tr / '\\')"
    every_second_whole() {
        local n
        for n in $(seq 60); do
            same_slice "$small/kid$n.WAV" 44 "$work/take.wav" $((44 + (n - 1) * 176400)) 176400 || return 1
        done
    }
    split --resume --sync --list "$small_dos\\kids.csv" --every 1s --name "$small_dos\\kid" take.wav
    check "--resume after a full disk keeps the $kept Children written and writes the rest, those of one run" eval \
        '[ $status -eq 0 ] && stderr_has "$kept Children already whole, kept as they stood" &&
         [ "$(find "$small" -name "kid*.WAV" | wc -l)" = 60 ] && every_second_whole'
    split --resume --list "$small_dos\\kids.csv" --every 1s --name "$small_dos\\kid" take.wav
    last_row="$small_dos\\kid60.WAV,60,2601900,44100,59.000000,1.000000,176444,"
    check "--resume with every Child there writes none; the list, replaced, lists all 60" eval \
        '[ $status -eq 0 ] && stderr_has "60 Children already whole, kept as they stood" &&
         [ "$(tr -d "\r" <"$small/kids.csv" | sed -n 61p)" = "$last_row" ]'
    umount "$small"
else
    echo "SKIP a folder that fills up (cannot mount a tmpfs)"
fi

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]

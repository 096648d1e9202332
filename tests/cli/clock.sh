#!/bin/bash
# morlando-split on the wall clock, as a whole process: a 125 s Mother at 48 kHz from 13:59:30
# cut on the minute and named by each Child's start, from the file and piped through a slow
# pipe; the night the clocks go back in Berlin; a bext start at 23:30 whose Child from midnight
# is dated the next day; and the lines it refuses. Every time is given: nothing depends on the
# machine's zone or clock.
#
#   tests/cli/clock.sh <morlando-split>
set -u
program=${1:?usage: $0 <morlando-split>}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.bash"

le32() { printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
le64() { printf '%s%s' "$(le32 $(($1 & 0xFFFFFFFF)))" "$(le32 $(($1 >> 32)))"; }
mother() {  # rate, frames, the bext body or nothing: 16-bit mono
    local rate=$1 frames=$2 bext=${3:-}
    {
        printf WAVE
        printf "fmt $(le32 16)"'\x01\x00\x01\x00'"$(le32 "$rate")$(le32 $((rate * 2)))"'\x02\x00\x10\x00'
        [ -z "$bext" ] || { printf "bext$(le32 602)"; cat "$bext"; }
        printf "data$(le32 $((frames * 2)))"
        head -c $((frames * 2)) /dev/urandom
    } >"$work/body"
    printf "RIFF$(le32 $(stat -c %s "$work/body"))"
    cat "$work/body"
}
frames_of() { echo $((($(stat -c %s "$1") - 44) / 2)); }  # a Child of 16-bit mono without metadata

mkdir -p "$work/file" "$work/pipe" "$work/night" "$work/late"
mother 48000 $((125 * 48000)) >"$work/take.wav"
minute=(--start 2026-12-10T13:59:30 --tz UTC --every 1m --align --time-name '%Y-%m-%d_%H-%M-%S')
"$program" -q "${minute[@]}" --name "$work/file/take" "$work/take.wav"
dd bs=4099 status=none <"$work/take.wav" | "$program" -q "${minute[@]}" --name "$work/pipe/take" -
for way in file pipe; do
    check "$way: Children of 1 440 000, 2 880 000 and 1 680 000 frames named by their start" eval \
        '[ "$(ls "$work/$way")" = "2026-12-10_13-59-30.WAV
2026-12-10_14-00-00.WAV
2026-12-10_14-01-00.WAV" ] &&
         [ "$(frames_of "$work/$way/2026-12-10_13-59-30.WAV")" = 1440000 ] &&
         [ "$(frames_of "$work/$way/2026-12-10_14-00-00.WAV")" = 2880000 ] &&
         [ "$(frames_of "$work/$way/2026-12-10_14-01-00.WAV")" = 1680000 ]'
done
check "the pipe's Children are the file's" eval '[ -n "$(ls "$work/file")" ] && cmp -s <(cat "$work"/file/*) <(cat "$work"/pipe/*)'
check "--resume finds them again" eval \
    '"$program" "${minute[@]}" --resume --name "$work/file/take" "$work/take.wav" 2>&1 | grep -c "kept as it stood" | grep -qx 3'

# Berlin, 00:30 CEST to 04:30 CET on 25 October 2026, at 10 frames a second, in folders by day.
mother 10 $((4 * 3600 * 10)) >"$work/night.wav"
"$program" -q --start 2026-10-25T00:30:00 --tz Europe/Berlin --every 1h --align --time-name '%Y-%m-%d/%H-%M-%S' \
    --name "$work/night/n" --list "$work/night.csv" "$work/night.wav"
if [ -e /usr/share/zoneinfo/Europe/Berlin ]; then
    check "Berlin: two Children for the hour from 02:00, neither overwritten" eval \
        '[ "$(cd "$work/night/2026-10-25" && ls)" = "00-30-00.WAV
01-00-00.WAV
02-00-00+0100.WAV
02-00-00.WAV
03-00-00.WAV" ] && [ "$(frames_of "$work/night/2026-10-25/02-00-00+0100.WAV")" = 36000 ]'
    check "the list tells each start in UTC and in Berlin" \
        grep -q '^.*02-00-00+0100.WAV,4,90000,36000,.*,2026-10-25T01:00:00Z,2026-10-25T02:00:00+01:00' "$work/night.csv"
fi

# A bext that starts at 23:30:00 (TimeReference 23.5 h at 1 000 Hz), cut by the hour in UTC.
bext=$work/bext
{ head -c 320 /dev/zero; printf '2026-12-1023:30:00'; printf "$(le64 84600000)"; head -c 256 /dev/zero; } >"$bext"
mother 1000 $((3600 * 1000)) "$bext" >"$work/late.wav"
"$program" -q --tz UTC --every 1h --align --time-name '%Y%m%d_%H%M%S' --name "$work/late/l" "$work/late.wav"
child="$work/late/20261211_000000.WAV"
check "the Child from midnight is dated the next day with TimeReference 0" eval \
    '[ "$(dd if="$child" bs=1 skip=$((36 + 8 + 320)) count=18 status=none)" = "2026-12-1100:00:00" ] &&
     [ "$(od -An -tu8 -j $((36 + 8 + 338)) -N8 "$child" | tr -d " ")" = 0 ]'
mkdir -p "$work/late-pipe"
dd bs=1001 status=none <"$work/late.wav" |
    "$program" -q --tz UTC --every 1h --align --time-name '%Y%m%d_%H%M%S' --name "$work/late-pipe/l" -
check "a stream whose bext comes before its samples gives the same Children" eval \
    '[ "$(ls "$work/late-pipe")" = "$(ls "$work/late")" ] && cmp -s <(cat "$work"/late/*) <(cat "$work"/late-pipe/*)'

while IFS='|' read -r line message; do
    # shellcheck disable=SC2086
    "$program" $line "$work/take.wav" 2>"$work/stderr" >/dev/null
    status=$?
    message=${message//MOTHER/$work/take.wav}
    check "$line: exit 2, \"$message\"" eval \
        '[ $status = 2 ] && [ "$(head -n 1 "$work/stderr")" = "morlando-split: $message" ]'
done <<'LINES'
--every 1m --align --name nowhere/t|--start: none given, and MOTHER has no bext date and time to start from (--align and --time-name count from one)
--every 7m --align --start 2026-12-10T13:59:30Z|--every 7m --align: the length must divide 24 hours, such as 1m, 15m or 1h
LINES
echo "$passed passed, $failed failed"
[ $failed -eq 0 ]

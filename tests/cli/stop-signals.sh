#!/bin/bash
# morlando-split stopped from outside while it writes: SIGINT, SIGTERM and SIGHUP each end it
# with 130, 143 and 129 and a message (and a list of the complete Children that says so), SIGKILL
# ends it on the spot; in every case each file named as a Child is whole and exact, and after
# the signals it catches no temporary file is left.
# After SIGKILL the next split into the same folder removes the temporary file it left, and with
# --resume keeps the Children already whole and ends as one uninterrupted run.
#
#   tests/cli/stop-signals.sh <morlando-split>
#
# Each signal is sent while a Child's temporary file exists (the program is held with SIGSTOP
# until one does), so that it lands inside a Child rather than between two.
set -u
program=${1:?usage: $0 <morlando-split>}
work=$(mktemp -d)
trap 'kill -KILL $pid 2>/dev/null; rm -rf "$work"' EXIT
pid=
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.bash"

le32() { printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
header() {  # a 16-bit stereo 44 100 Hz header for this many data bytes
    printf "RIFF$(le32 $(($1 + 36)))WAVEfmt $(le32 16)\\x01\\x00\\x02\\x00$(le32 44100)$(le32 176400)"
    printf "\\x04\\x00\\x10\\x00data$(le32 "$1")"
}

# Two minutes of Mother in Children of 1/100 s (1 764 sample bytes): 12 000 files, long enough
# to be caught in the middle.
data=21168000
{ header $data; head -c $data /dev/urandom; } >"$work/take.wav"
header 1764 >"$work/child-header"

# Every file named as a Child holds its header and its exact slice of the Mother.
children_whole() {
    local file n
    for file in "$work"/out/k*.WAV; do
        [ "$file" != "$work/out/k12000.WAV" ] || continue  # the short last one
        n=${file##*/k}
        n=${n%.WAV}
        cmp -s -n 44 "$file" "$work/child-header" &&
            [ "$(stat -c %s "$file")" = 1808 ] &&
            cmp -s -n 1764 -i "44:$((44 + (n - 1) * 1764))" "$file" "$work/take.wav" || return 1
    done
}
temporary_files() { find "$work/out" -path '*.part/*' -type f | wc -l; }  # in the run's folder
temporaries() { find "$work/out" -name '*.part' | wc -l; }  # the run's folder, and anything of it

# Starts a split, waits for its third Child, then holds it still at a moment a temporary file
# exists (letting it run on a little while none does).
start_and_catch() {
    rm -rf "$work/out"
    mkdir -p "$work/out"
    "$program" --every 0.01s --name "$work/out/k" --list "$work/list.csv" "$work/take.wav" 2>"$work/stderr" &
    pid=$!
    for _ in $(seq 500); do [ -e "$work/out/k3.WAV" ] && break; sleep 0.01; done
    for _ in $(seq 200); do
        kill -STOP $pid
        [ "$(temporary_files)" = 1 ] && return 0
        kill -CONT $pid
        sleep 0.001
    done
    return 1
}

for case in INT:130 TERM:143 HUP:129; do
    signal=${case%:*}
    expected=${case#*:}
    caught=no
    start_and_catch && caught=yes
    kill -$signal $pid
    kill -CONT $pid
    wait $pid
    status=$?
    check "SIG$signal inside a Child: exit $expected" eval '[ $caught = yes ] && [ $status = $expected ]'
    check "SIG$signal: the message says stopped, with the Children complete" eval \
        'grep -q "^morlando-split: split stopped from outside$" "$work/stderr" &&
         grep -q "^  complete CHILDREN = $(find "$work/out" -name "k*.WAV" | wc -l)$" "$work/stderr" &&
         grep -q "^  no incomplete CHILD is left$" "$work/stderr"'
    check "SIG$signal: at least three Children, each whole, no temporary file" eval \
        '[ -e "$work/out/k3.WAV" ] && children_whole && [ "$(temporaries)" = 0 ]'
    check "SIG$signal: the list holds the complete Children and says it was stopped" eval \
        '[ "$(python3 -c "import csv, sys; rows = list(csv.reader(open(sys.argv[1], newline=\"\")))
print(len(rows) - 2, rows[-1][-1])" "$work/list.csv")" = \
           "$(find "$work/out" -maxdepth 1 -name "k*.WAV" | wc -l) stopped from outside: the Children listed are complete" ]'
done

caught=no
start_and_catch && caught=yes
kill -KILL $pid
wait $pid
status=$?
check "SIGKILL inside a Child: ended at once, its temporary file stays" eval \
    '[ $caught = yes ] && [ $status = 137 ] && [ "$(temporary_files)" = 1 ]'
check "SIGKILL: every file named as a Child is whole" children_whole
"$program" --every 0.01s --name "$work/out/k" --dry-run "$work/take.wav" >"$work/stdout"
check "the dry run names the leftover" eval \
    'grep -q "\.part  leftover of a stopped run: the split removes it$" "$work/stdout"'
before=$(find "$work/out" -maxdepth 1 -name 'k*.WAV' | wc -l)
touch -d '2001-01-01' "$work/out/k1.WAV"
"$program" --resume --every 0.01s --name "$work/out/k" "$work/take.wav" 2>"$work/stderr"
status=$?
check "the next split with --resume removes it and writes every Child" eval \
    '[ $status = 0 ] && [ "$(temporaries)" = 0 ] && [ -e "$work/out/k12000.WAV" ] && [ ! -e "$work/out/k12001.WAV" ]'
check "--resume keeps the Children the killed run left, untouched, and says how many" eval \
    'grep -q "^$before Children already whole, kept as they stood$" "$work/stderr" &&
     [ "$(stat -c %y "$work/out/k1.WAV" | cut -c1-10)" = 2001-01-01 ] &&
     [ "$(grep -c "  kept as it stood$" "$work/stderr")" = "$before" ]'
mkdir "$work/whole"
"$program" --quiet --every 0.01s --name "$work/whole/k" "$work/take.wav"
check "after --resume the Children are those of one uninterrupted run" diff -rq "$work/out" "$work/whole"

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]

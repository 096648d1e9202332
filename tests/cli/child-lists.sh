#!/bin/bash
# morlando-split's list of the Children (--list, CSV and JSON, read back by Python's own csv and
# json parsers), its padded numbers (--digits) and several Mothers resumed two at a time, as a
# script that takes the Children on sees them: one table of runs, each with the rows its list
# must hold.
#
#   tests/cli/child-lists.sh <morlando-split>
#
# The Mothers are 16-bit mono at 1 000 frames a second, so a frame is 2 bytes and a second 1 000
# frames; a Child's bytes are its 44-byte header and its samples. One is 16-bit stereo at 44.1 kHz,
# whose seconds are not whole millionths. A CSV list is read back strictly: written again by
# Python's csv module it must be the same bytes, quotes doubled and fields quoted where RFC 4180
# says and nowhere else.
set -u
program=${1:?usage: $0 <morlando-split>}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.bash"

le32() { printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
mother_to() {  # path, frames
    {
        printf "RIFF$(le32 $((36 + $2 * 2)))WAVEfmt $(le32 16)\x01\x00\x01\x00$(le32 1000)$(le32 2000)"
        printf "\x02\x00\x10\x00data$(le32 $(($2 * 2)))"
        head -c $(($2 * 2)) /dev/urandom
    } >"$1"
}
cd_mother_to() {  # path, frames: 16-bit stereo at 44.1 kHz
    {
        printf "RIFF$(le32 $((36 + $2 * 4)))WAVEfmt $(le32 16)\x01\x00\x02\x00$(le32 44100)$(le32 176400)"
        printf "\x04\x00\x10\x00data$(le32 $(($2 * 4)))"
        head -c $(($2 * 4)) /dev/urandom
    } >"$1"
}
mother_to "$work/take.wav" 23500
cd_mother_to "$work/cd.wav" 88207
mother_to "$work/b.wav" 2500
printf '0\t0\t\n1\t1\tsay "hi", twice\n2\t2\tlast\n' >"$work/titles.txt"

# The list's rows as "file number first_frame frames start duration bytes title", paths relative
# to the work folder; a CSV row with every field empty but title, or a JSON object with only
# "stopped", as "stopped: TEXT"; several Mothers' rows begin with the Mother's name.
rows() {
    python3 - "$1" "$work/" <<'EOF'
import csv, io, json, sys
path, base = sys.argv[1], sys.argv[2]
keys = ["file", "number", "first_frame", "frames", "start_seconds", "duration_seconds", "bytes", "title"]
if path.lower().endswith(".json"):
    with open(path, encoding="utf-8") as f:
        items = json.load(f)
    for item in items:
        if list(item) == ["stopped"]:
            print("stopped: " + item["stopped"]); continue
        assert list(item) in (keys, ["mother"] + keys), list(item)
        for k in ("start_seconds", "duration_seconds"):
            item[k] = "%.6f" % item[k]
        print(" ".join(([item["mother"].replace(base, "")] if "mother" in item else [])
                       + [str(item[k]).replace(base, "") for k in keys]))
else:
    with open(path, newline="", encoding="utf-8") as f:
        text = f.read()
    table = list(csv.reader(io.StringIO(text, newline="")))
    again = io.StringIO()
    csv.writer(again, lineterminator="\r\n").writerows(table)
    assert again.getvalue() == text, (again.getvalue(), text)
    assert table[0] in (keys, ["mother"] + keys), table[0]
    for row in table[1:]:
        if not any(row[:-1]):
            print("stopped: " + row[-1]); continue
        print(" ".join(field.replace(base, "") for field in row))
EOF
}

# name | arguments after the program | the list's rows, one per line
cases=(
"every 2 s, padded to the last number's width, CSV|--every 2s --digits auto --list $work/l.csv --name $work/k $work/take.wav|
k01.WAV 1 0 2000 0.000000 2.000000 4044 
k02.WAV 2 2000 2000 2.000000 2.000000 4044 
k03.WAV 3 4000 2000 4.000000 2.000000 4044 
k04.WAV 4 6000 2000 6.000000 2.000000 4044 
k05.WAV 5 8000 2000 8.000000 2.000000 4044 
k06.WAV 6 10000 2000 10.000000 2.000000 4044 
k07.WAV 7 12000 2000 12.000000 2.000000 4044 
k08.WAV 8 14000 2000 14.000000 2.000000 4044 
k09.WAV 9 16000 2000 16.000000 2.000000 4044 
k10.WAV 10 18000 2000 18.000000 2.000000 4044 
k11.WAV 11 20000 2000 20.000000 2.000000 4044 
k12.WAV 12 22000 1500 22.000000 1.500000 3044 "
"from piece 3, three digits, JSON|--pieces 4 --from 3 --digits 3 --list $work/l.json --name $work/k $work/take.wav|
k003.WAV 3 11750 5875 11.750000 5.875000 11794 
k004.WAV 4 17625 5875 17.625000 5.875000 11794 "
"titles quoted as RFC 4180 quotes them|--at-labels $work/titles.txt --list $work/l.csv --name $work/k $work/take.wav|
k1.WAV 1 0 1000 0.000000 1.000000 2044 
k2-say _hi_, twice.WAV 2 1000 1000 1.000000 1.000000 2044 say _hi_, twice
k3-last.WAV 3 2000 21500 2.000000 21.500000 43044 last"
"44.1 kHz, seconds rounded to six decimals, a quote in the path, CSV|--every 1s --list $work/l.csv --name $work/q\"k $work/cd.wav|
q\"k1.WAV 1 0 44100 0.000000 1.000000 176444 
q\"k2.WAV 2 44100 44100 1.000000 1.000000 176444 
q\"k3.WAV 3 88200 7 2.000000 0.000159 72 "
"44.1 kHz, JSON named in capitals|--every 1s --list $work/l.JSON --name $work/k $work/cd.wav|
k1.WAV 1 0 44100 0.000000 1.000000 176444 
k2.WAV 2 44100 44100 1.000000 1.000000 176444 
k3.WAV 3 88200 7 2.000000 0.000159 72 "
"a dry run lists its plan|--dry-run --every 10s --list $work/l.json --name $work/dry $work/take.wav|
dry1.WAV 1 0 10000 0.000000 10.000000 20044 
dry2.WAV 2 10000 10000 10.000000 10.000000 20044 
dry3.WAV 3 20000 3500 20.000000 3.500000 7044 "
"several Mothers, each row naming its own|--every 10s --into $work/d --list $work/l.csv $work/take.wav $work/b.wav|
take.wav d/take1.WAV 1 0 10000 0.000000 10.000000 20044 
take.wav d/take2.WAV 2 10000 10000 10.000000 10.000000 20044 
take.wav d/take3.WAV 3 20000 3500 20.000000 3.500000 7044 
b.wav d/b1.WAV 1 0 2500 0.000000 2.500000 5044 "
)
mkdir "$work/d"
for case in "${cases[@]}"; do
    name=${case%%|*}
    rest=${case#*|}
    args=${rest%%|*}
    expected=${rest#*|}
    expected=${expected#$'\n'}
    list=$(grep -o "$work/l\.[a-zA-Z]*" <<<"$args")
    rm -f "$work"/k* "$work"/q* "$work"/l.*
    # shellcheck disable=SC2086  # the table's arguments hold no blanks but between them
    "$program" --quiet $args >/dev/null
    status=$?
    check "$name: exit 0, the list's rows" eval '[ $status = 0 ] && [ "$(rows "$list")" = "$expected" ]'
    # Each file as listed is the Child as written (a dry run writes none).
    standing=$(python3 -c 'import csv, json, sys
p = sys.argv[1]
rows = json.load(open(p)) if p.lower().endswith(".json") else list(csv.DictReader(open(p, newline="")))
print(sum(__import__("os").path.exists(r["file"]) for r in rows), len(rows))' "$list")
    [[ $args == --dry-run* ]] || check "$name: every file listed stands" eval '[ "${standing% *}" = "${standing#* }" ]'
done
check "a dry run writes no Child" eval '! ls "$work"/dry* 2>/dev/null'

# The several Mothers again, two at a time, resumed: what stands is kept, what is missing written,
# and the list is the same.
several=$(rows "$work/l.csv")
touch -d 2001-01-01 "$work/d/take2.WAV"
rm "$work/d/b1.WAV"
"$program" --quiet --resume --jobs 2 --every 10s --into "$work/d" --list "$work/l.csv" "$work/take.wav" "$work/b.wav"
status=$?
check "--resume --jobs 2 of several Mothers: the Children kept untouched, the missing one written, the same list" \
    eval '[ $status = 0 ] && [ "$(stat -c %y "$work/d/take2.WAV" | cut -c1-10)" = 2001-01-01 ] &&
          [ -e "$work/d/b1.WAV" ] && [ "$(rows "$work/l.csv")" = "$several" ]'
check "no temporary list is left" eval '! ls "$work"/l.*.part 2>/dev/null'

"$program" --quiet --every 1s --list "$work/missing/l.csv" "$work/take.wav" 2>"$work/stderr"
status=$?
check "a list that cannot be written: exit 1, the Children written, the file and the cause" eval \
    '[ $status = 1 ] && [ -e "$work/take24.WAV" ] &&
     [ "$(cat "$work/stderr")" = "morlando-split: LIST file cannot be written
  $work/missing/l.csv
  No such file or directory" ]'

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]

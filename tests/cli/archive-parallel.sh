#!/bin/bash
# A folder of takes split as jobs of GNU parallel, the way an archive is spread over machines:
# eight takes, two jobs at a time, each into a folder of its own with a list of its Children; one
# job stopped midway (SIGTERM, as a scheduler stops one) fails in the job log, and the job log's
# --resume-failed run finishes it with --resume. The Children equal one sequential run's, byte
# for byte, and the lists merged name every Child once.
#
#   tests/cli/archive-parallel.sh <morlando-split>
set -u
program=${1:?usage: $0 <morlando-split>}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/../support/checks.bash"

le32() { printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
take() {  # path, seconds of 16-bit stereo 44 100 Hz
    local bytes=$(($2 * 176400))
    {
        printf "RIFF$(le32 $((bytes + 36)))WAVEfmt $(le32 16)\\x01\\x00\\x02\\x00$(le32 44100)$(le32 176400)"
        printf "\\x04\\x00\\x10\\x00data$(le32 $bytes)"
        head -c $bytes /dev/urandom
    } >"$1"
}
mkdir -p "$work/takes" "$work/jobs" "$work/lists" "$work/one"
for n in 1 2 3 4 5 6 7 8; do take "$work/takes/take$n.wav" 3; done
take "$work/takes/take5.wav" 40  # long enough in 0.01 s Children to be stopped in the middle

# One job: a take into a folder of its own, with its list; the same line every time it is run.
job=("$program" --quiet --resume --every 0.01s --digits auto --into "$work/jobs/{/.}"
     --list "$work/lists/{/.}.csv" {})
mkdir_each() { for t in "$work"/takes/*.wav; do mkdir -p "$1/$(basename "${t%.wav}")"; done; }
mkdir_each "$work/jobs"

# take5's job is stopped once its first hundred Children stand: the program itself, not the
# shell parallel may start it with.
(
    for _ in $(seq 3000); do
        [ -e "$work/jobs/take5/take50100.WAV" ] && break
        sleep 0.01
    done
    pkill -TERM -f "^$program .*jobs/take5 "
) &
stopper=$!
parallel --will-cite -j 2 --joblog "$work/joblog" "${job[@]}" ::: "$work"/takes/*.wav
first=$?
wait $stopper
# The job log's exit status column, of take5's job's last line.
take5_status() { awk -F'\t' 'NR > 1 && $NF ~ /take5\.wav$/ { s = $7 } END { print s }' "$work/joblog"; }
check "the first run: one job failed, stopped (exit 143 in the job log)" eval \
    '[ $first = 1 ] && [ "$(take5_status)" = 143 ] && [ "$(awk -F"\t" "NR > 1 && \$7 != 0" "$work/joblog" | wc -l)" = 1 ]'
check "the stopped job's list ends saying so" eval \
    'tail -n 1 "$work/lists/take5.csv" | grep -q ",stopped from outside: the Children listed are complete"'
touch -d 2001-01-01 "$work/jobs/take5/take50001.WAV"

parallel --will-cite -j 2 --joblog "$work/joblog" --resume-failed "${job[@]}" ::: "$work"/takes/*.wav
second=$?
check "the job log's --resume-failed run retries that job alone and ends it well" eval \
    '[ $second = 0 ] && [ "$(take5_status)" = 0 ] && [ "$(awk -F"\t" "NR > 1" "$work/joblog" | wc -l)" = 9 ]'
check "the retried job kept the Children already whole, untouched" eval \
    '[ "$(stat -c %y "$work/jobs/take5/take50001.WAV" | cut -c1-10)" = 2001-01-01 ]'

mkdir_each "$work/one"
for t in "$work"/takes/*.wav; do
    "$program" --quiet --every 0.01s --digits auto --into "$work/one/$(basename "${t%.wav}")" "$t"
done
check "the Children equal those of one sequential run, byte for byte" diff -r "$work/jobs" "$work/one"
listed=$(for l in "$work"/lists/*.csv; do tail -n +2 "$l"; done | cut -d, -f1 | sort)
check "the lists merged name every Child once" eval \
    '[ "$listed" = "$(find "$work/jobs" -name "*.WAV" | sort)" ] && [ -z "$(uniq -d <<<"$listed")" ]'

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]

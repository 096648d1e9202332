#!/usr/bin/env bash
# Runs every fuzz target built in build/fuzz for a bounded time, starting from its seeds in
# fuzz/corpus/<target>/ and with the words of fuzz/corpus/<target>.dict where it has them, and
# prints how many inputs each ran. The inputs a target adds on the way are dropped at the end; one
# that breaks an invariant or crashes is kept in build/fuzz/findings/.
# FUZZ_SECONDS is the time for all targets together (60 by default), shared evenly among them.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/fuzz
targets=()
for source in fuzz/*Fuzz.cpp; do
    targets+=("$(basename "$source" .cpp)")
done
each=$(( ${FUZZ_SECONDS:-60} / ${#targets[@]} ))
[ "$each" -ge 1 ] || each=1

# Every input writes its files into a scratch folder: in memory where there is such a place.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/morlando-fuzz-XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$build/findings"

status=0
for target in "${targets[@]}"; do
    mkdir "$work/$target"
    log="$work/$target.log"
    words=()
    [ ! -f "fuzz/corpus/$target.dict" ] || words=(-dict="fuzz/corpus/$target.dict")
    if "$build/$target" -max_total_time="$each" -timeout=10 -artifact_prefix="$build/findings/$target-" \
        "${words[@]}" "$work/$target" "fuzz/corpus/$target" >"$log" 2>&1; then
        runs=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$log")
        echo "$target: ${runs:-?} inputs in $each s, every invariant held"
    else
        tail -n 40 "$log"
        echo "$target: FAILED; the input is kept in $build/findings/"
        status=1
    fi
done
exit $status

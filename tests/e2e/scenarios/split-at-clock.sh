#!/bin/bash
# Writes the Mother of the split-at-clock scenario and has morlando-split.exe cut it on the clock,
# for the window's Children to be compared with:
#   clocked.wav  10 s of 16-bit stereo 44 100 Hz whose bext says 2026-12-10 13:59:55, its
#                TimeReference 13:59:55 at 44 100 Hz (2 222 419 500 samples since midnight).
#   split-at-clock.sh prepare|clean <work folder>
set -eu
[ "$1" = prepare ] || exit 0
work=$2
exe=$work/../../../morlando-split.exe
cd "$work"
perl -e '
    sub chunk { my ($id, $body) = @_; return $id . pack("V", length $body) . $body; }
    my $samples = join("", map { pack("s<s<", ($_ * 29) % 30000 - 15000, ($_ * 37) % 20000 - 10000) } 0 .. 441000 - 1);
    my $bext = "\0" x 320 . "2026-12-1013:59:55" . pack("V V", 2222419500, 0) . "\0" x (602 - 346);
    my $body = "WAVE" . chunk("fmt ", pack("v v V V v v", 1, 2, 44100, 176400, 4, 16)) . chunk("bext", $bext)
               . chunk("data", $samples);
    open(my $out, ">:raw", "clocked.wav") or die "cannot write clocked.wav\n";
    print $out "RIFF" . pack("V", length $body) . $body;
    close($out) or die "cannot write clocked.wav\n";
'
mkdir -p win-clock cli-clock
wine "$exe" --quiet --every 1m --align --tz local --time-name 'take%N-%Y-%m-%d_%H-%M-%S' --name cli-clock/take \
    clocked.wav >>cli.log 2>&1 </dev/null

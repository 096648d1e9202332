#!/bin/bash
# Writes the Mother of the edit-cuts scenario, the list of cuts its walk through the editor must
# save, and has morlando-split.exe cut the Mother at that list, for the window's Children to be
# compared with:
#   minute.wav    60 s of 16-bit stereo 44 100 Hz, a tone on the left and a ramp on the right;
#   expected.txt  the pieces at 10, 20, 25.000068 (frame 1 102 503, named chorus), 40 and 50 s.
#   edit-cuts.sh prepare|clean <work folder>
set -eu
[ "$1" = prepare ] || exit 0
work=$2
exe=$work/../../../morlando-split.exe
cd "$work"
perl -e '
    my $pi = 4 * atan2(1, 1);
    my $samples = "";
    for my $f (0 .. 60 * 44100 - 1) {
        $samples .= pack("s<s<", int(12000 * sin(2 * $pi * $f * 330 / 44100)), ($f * 37) % 20000 - 10000);
    }
    my $body = "WAVE" . "fmt " . pack("V v v V V v v", 16, 1, 2, 44100, 176400, 4, 16) .
               "data" . pack("V", length $samples) . $samples;
    open(my $out, ">:raw", "minute.wav") or die "cannot write minute.wav\n";
    print $out "RIFF" . pack("V", length $body) . $body;
    close($out) or die "cannot write minute.wav\n";
'
printf '0.000000\t10.000000\t\r\n10.000000\t20.000000\t\r\n20.000000\t25.000068\tchorus\r\n' >expected.txt
printf '25.000068\t40.000000\t\r\n40.000000\t50.000000\t\r\n50.000000\t60.000000\t\r\n' >>expected.txt
mkdir -p win cli
wine "$exe" --quiet --at-labels expected.txt --name cli/song minute.wav >>cli.log 2>&1 </dev/null

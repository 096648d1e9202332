#!/bin/bash
# Writes the sampled waveform's Mother: 100 817 frames (data size 403 268), so that the Mother
# offers 100 800 frames, 100 to each of the 1008 columns. Frames 10 000 to 29 999 are full scale
# (left 32767, right -32767), frames 80 000 to the end -32768 on both channels, the rest silence.
#   waveform-sampled.sh prepare|clean <work folder>
set -u
[ "$1" = prepare ] || exit 0
perl -e '
    my ($path, $dataSize) = ($ARGV[0], 403268);
    open(my $out, ">:raw", $path) or die "cannot write $path\n";
    print $out pack("A4 V A8 V v v V V v v A4 V", "RIFF", $dataSize + 36, "WAVEfmt ", 16, 1, 2, 44100, 176400,
                    4, 16, "data", $dataSize);
    for my $frame (0 .. $dataSize / 4 - 1) {
        my @lr = (0, 0);
        @lr = (32767, -32767) if $frame >= 10000 && $frame < 30000;
        @lr = (-32768, -32768) if $frame >= 80000;
        print $out pack("s<s<", @lr);
    }
    close($out) or die "cannot write $path\n";
' "$2/mother.wav"

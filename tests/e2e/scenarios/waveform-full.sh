#!/bin/bash
# Writes the full waveform's Mother: 20 017 frames (data size 80 068), of which the Mother offers
# 20 000, 79.4 data bytes to each of the 1008 columns. Frames 2 000 to 5 999 are full scale (left
# 32767, right -32767), 10 000 to 13 999 -32768 on both channels, 14 000 to 19 949 two sine waves,
# and the last 67 frames, within the last 200 data bytes, full scale again; the rest is silence.
#   waveform-full.sh prepare|clean <work folder>
set -u
[ "$1" = prepare ] || exit 0
perl -e '
    my ($path, $dataSize) = ($ARGV[0], 80068);
    open(my $out, ">:raw", $path) or die "cannot write $path\n";
    print $out pack("A4 V A8 V v v V V v v A4 V", "RIFF", $dataSize + 36, "WAVEfmt ", 16, 1, 2, 44100, 176400,
                    4, 16, "data", $dataSize);
    my $pi = 4 * atan2(1, 1);
    for my $frame (0 .. $dataSize / 4 - 1) {
        my @lr = (0, 0);
        @lr = (32767, -32767) if ($frame >= 2000 && $frame < 6000) || $frame >= 19950;
        @lr = (-32768, -32768) if $frame >= 10000 && $frame < 14000;
        @lr = (int(24000 * sin(2 * $pi * $frame / 700) * ($frame - 14000) / 6000),
               int(14000 * cos(2 * $pi * $frame / 300))) if $frame >= 14000 && $frame < 19950;
        print $out pack("s<s<", @lr);
    }
    close($out) or die "cannot write $path\n";
' "$2/mother.wav"

#!/bin/bash
# Writes the full waveform's Mother: 20 017 frames (data size 80 068), of which the Mother offers
# 20 000, 79.4 data bytes to each of the 1008 columns. Frames 2 000 to 5 999 are full scale (left
# 32767, right -32767), 10 000 to 13 999 -32768 on both channels, 14 000 to 19 949 two sine waves,
# and the last 67 frames, within the last 200 data bytes, full scale again; the rest is silence.
# The same frames as 24-bit samples (each value shifted up 8 bits) in mother24.wav and as 32-bit
# floats (each value / 32768) in motherfloat.wav.
#   waveform-full.sh prepare|clean <work folder>
set -u
[ "$1" = prepare ] || exit 0
perl -e '
    my ($folder, $frames) = ($ARGV[0], 20017);
    my $pi = 4 * atan2(1, 1);
    # name, format tag, bits, frame bytes, how one sample is written
    for my $kind (["mother.wav", 1, 16, 4, sub { pack("s<", $_[0]) }],
                  ["mother24.wav", 1, 24, 6, sub { substr(pack("l<", $_[0] * 256), 0, 3) }],
                  ["motherfloat.wav", 3, 32, 8, sub { pack("f<", $_[0] / 32768) }]) {
        my ($name, $tag, $bits, $align, $sample) = @$kind;
        my $dataSize = $frames * $align;
        open(my $out, ">:raw", "$folder/$name") or die "cannot write $name\n";
        print $out pack("A4 V A8 V v v V V v v A4 V", "RIFF", $dataSize + 36, "WAVEfmt ", 16, $tag, 2, 44100,
                        44100 * $align, $align, $bits, "data", $dataSize);
        for my $frame (0 .. $frames - 1) {
            my @lr = (0, 0);
            @lr = (32767, -32767) if ($frame >= 2000 && $frame < 6000) || $frame >= 19950;
            @lr = (-32768, -32768) if $frame >= 10000 && $frame < 14000;
            @lr = (int(24000 * sin(2 * $pi * $frame / 700) * ($frame - 14000) / 6000),
                   int(14000 * cos(2 * $pi * $frame / 300))) if $frame >= 14000 && $frame < 19950;
            print $out $sample->($lr[0]), $sample->($lr[1]);
        }
        close($out) or die "cannot write $name\n";
    }
' "$2"

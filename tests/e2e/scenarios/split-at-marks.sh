#!/bin/bash
# Writes the Mothers of the split-at-marks scenario and has morlando-split.exe cut them, each into
# a folder of its own, for the window's Children to be compared with:
#   marked.wav   10 s of 16-bit stereo 44 100 Hz with a bext chunk (TimeReference 88 200), an
#                iXML chunk and three markers named by their labl: "verse" at 2 s, "chorus" at
#                5 s and "bridge" at 7.5 s;
#   regions.txt  a label list of three regions of it, marked.cue a CUE sheet of three tracks;
#   tones.wav    tones of 1 s, 1.5 s, 1 s and 0.5 s between silences of 0.8 s, 0.3 s and 0.6 s.
#   split-at-marks.sh prepare|clean <work folder>
set -eu
[ "$1" = prepare ] || exit 0
work=$2
exe=$work/../../../morlando-split.exe
cd "$work"
perl -e '
    sub chunk { my ($id, $body) = @_; my $c = $id . pack("V", length $body) . $body;
                $c .= "\0" if length($body) % 2; return $c; }
    sub wave {
        my ($path, $samples, @chunks) = @_;
        my $data = chunk("data", $samples);
        my ($before, $after) = ("", "");
        for my $c (@chunks) { if ($c =~ /^(cue |LIST)/) { $after .= $c } else { $before .= $c } }
        my $body = "WAVE" . chunk("fmt ", pack("v v V V v v", 1, 2, 44100, 176400, 4, 16)) . $before . $data . $after;
        open(my $out, ">:raw", $path) or die "cannot write $path\n";
        print $out "RIFF" . pack("V", length $body) . $body;
        close($out) or die "cannot write $path\n";
    }
    my $pi = 4 * atan2(1, 1);
    my $marked = "";
    for my $f (0 .. 441000 - 1) {
        $marked .= pack("s<s<", int(12000 * sin(2 * $pi * $f * 330 / 44100)), ($f * 37) % 20000 - 10000);
    }
    my $bext = "\0" x 338 . pack("V V", 88200, 0) . "\0" x (602 - 346);
    my $ixml = "<?xml version=\"1.0\"?><BWFXML><PROJECT>marks</PROJECT></BWFXML>";
    my @at = ([1, 88200, "verse"], [2, 220500, "chorus"], [3, 330750, "bridge"]);
    my $cue = pack("V", scalar @at) . join("", map { pack("V V a4 V V V", $_->[0], $_->[1], "data", 0, 0, $_->[1]) } @at);
    my $adtl = "adtl" . join("", map { chunk("labl", pack("V", $_->[0]) . $_->[2] . "\0") } @at);
    wave("marked.wav", $marked, chunk("bext", $bext), chunk("iXML", $ixml), chunk("cue ", $cue), chunk("LIST", $adtl));
    my $tones = "";
    for my $part ([1, 1], [0, 0.8], [1, 1.5], [0, 0.3], [1, 1], [0, 0.6], [1, 0.5]) {
        for my $f (0 .. int($part->[1] * 44100) - 1) {
            my $v = $part->[0] ? int(10000 * sin(2 * $pi * $f * 440 / 44100)) : 0;
            $tones .= pack("s<s<", $v, $v);
        }
    }
    wave("tones.wav", $tones);
'
printf '0.5\t3.0\tone\n3.0\t6.25\ttwo\n6.25\t9.5\tthree\n' >regions.txt
printf 'FILE "marked.wav" WAVE\r\n  TRACK 01 AUDIO\r\n    TITLE "Intro"\r\n    INDEX 01 00:00:00\r\n' >marked.cue
printf '  TRACK 02 AUDIO\r\n    TITLE "Song"\r\n    INDEX 01 00:03:30\r\n' >>marked.cue
printf '  TRACK 03 AUDIO\r\n    TITLE "End"\r\n    INDEX 01 00:08:00\r\n' >>marked.cue
# The window's Children go into win-*, the command line's into cli-*.
for rule in markers labels cue silence; do
    mkdir -p "win-$rule" "cli-$rule"
done
cli() {
    wine "$exe" --quiet "$@" >>cli.log 2>&1 </dev/null
}
cli --at-markers --name cli-markers/take marked.wav
cli --at-labels regions.txt --name cli-labels/take marked.wav
cli --at-cue marked.cue --name cli-cue/take marked.wav
cli --at-silence --silence-db -40 --silence-min 500ms --name cli-silence/take tones.wav
